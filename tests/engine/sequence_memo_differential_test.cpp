// The memoised sequence matcher against the plain backtracking, on random short patterns and
// words: the verdict and all three letter variables must agree, stale bindings included. The memo
// is forced from the first run start (a budget of 0), and the matcher as searches call it, whose
// budget real words never exhaust, is compared as well.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "engine/matchers.h"
#include "engine/sequence_plain_match.h"
#include "random_patterns.h"
#include "support/compiled_patterns.h"

namespace kwintel {
namespace {

using testing_support::RandomPatterns;

// The text a typed sequence pattern compiles to, without its leading '-'; nothing when refused.
std::optional<std::string> PreparedRest(const std::string& typed) {
  const std::optional<Pattern> pattern = testing_support::Compiled(SearchType::Sequence, typed);
  if (!pattern) return std::nullopt;
  return std::get<SequenceForm>(pattern->Forms()).text;
}

// Returns whether the word matched.
bool ExpectSame(const std::string& pattern, const std::string& word) {
  const SequenceOutcome plain = MatchSequencePlain(word.c_str(), pattern.c_str());
  const SequenceOutcome memoised = MatchSequenceWithBudget(word.c_str(), pattern.c_str(), 0);
  EXPECT_EQ(plain.matched, MatchSequence(word.c_str(), pattern.c_str()))
      << "pattern «" << pattern << "» word «" << word << "» with the usual budget";
  EXPECT_EQ(plain, memoised) << "pattern «" << pattern << "» word «" << word << "»: plain " << plain.matched << " "
                             << plain.amp << " " << plain.dollar << " " << plain.caret << ", memoised "
                             << memoised.matched << " " << memoised.amp << " " << memoised.dollar << " "
                             << memoised.caret;
  return plain.matched;
}

TEST(SequenceMemoDifferentialTest, PreparedPatternsGiveThePlainOutcome) {
  RandomPatterns generator(20240607);
  int compared = 0;
  int severalRuns = 0;
  int matches = 0;
  while (compared < 12'000) {
    const std::optional<std::string> prepared = PreparedRest(generator.TypedSequence());
    if (!prepared) continue;
    const std::string& rest = *prepared;
    for (int w = 0; w < 3; ++w) {
      matches += ExpectSame(rest, generator.Word()) ? 1 : 0;
      if (testing::Test::HasFailure()) return;
      ++compared;
    }
    // Counts the runs that are not at the very end.
    if (std::count(rest.begin(), rest.end(), '*') - (rest.back() == '*') >= 3) severalRuns += 3;
  }
  // Make sure the random patterns reach runs tried from inside other runs.
  EXPECT_GT(severalRuns, 1'500) << severalRuns;
  EXPECT_GT(matches, 500);
  EXPECT_LT(matches, compared - 500);
}

TEST(SequenceMemoDifferentialTest, RawPatternsGiveThePlainOutcome) {
  RandomPatterns generator(77);
  for (int i = 0; i < 10'000; ++i) {
    ExpectSame(generator.RawSequence(), generator.Word());
    if (testing::Test::HasFailure()) return;
  }
}

TEST(SequenceMemoDifferentialTest, EveryShortWordGivesThePlainOutcome) {
  // Patterns whose later runs meet variables bound on earlier paths: a remembered state must
  // hold every variable, and restore the values a failed state ended with.
  const char* const patterns[] = {"*_*.*^*A",   "*'*.*&*B", "*%*.*$*A", "*'*%*&*$", "*'*%*_*^", "*_*A*B*^",
                                  "*'*.*.*.*A", "*A*B*'*&", "*'.*%.*_", "*'*&*'*&", "*%*$*.*C"};
  std::string word;
  for (int length = 0; length <= 7; ++length) {
    int count = 1;
    for (int i = 0; i < length; ++i) count *= 3;
    for (int n = 0; n < count; ++n) {
      word.clear();
      for (int i = 0, rest = n; i < length; ++i, rest /= 3) {
        word += static_cast<char>('A' + rest % 3);
      }
      for (const char* pattern : patterns) {
        ExpectSame(pattern, word);
        if (testing::Test::HasFailure()) return;
      }
    }
  }
}

TEST(SequenceMemoDifferentialTest, LongerWordsGiveThePlainOutcome) {
  RandomPatterns generator(4242);
  static const char* const kTokens[] = {"A", "B", ".", "[AB]", "{A}", "/", "&", "$", "*"};
  for (int i = 0; i < 3'000; ++i) {
    std::string pattern;
    int runs = 0;
    const int length = 1 + generator.Below(6);
    for (int t = 0; t < length; ++t) {
      const std::string token = kTokens[generator.Below(9)];
      if (token == "*" && (runs == 2 || (!pattern.empty() && pattern.back() == '*'))) continue;
      runs += token == "*";
      pattern += token;
    }
    const std::optional<std::string> prepared = PreparedRest(pattern);
    if (!prepared) continue;
    std::string word;
    const int wordLength = 60 + generator.Below(10);
    for (int c = 0; c < wordLength; ++c) word += "ABAE"[generator.Below(4)];
    ExpectSame(*prepared, word);
    if (testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace kwintel
