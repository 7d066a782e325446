// The memoised sequence matcher against the plain backtracking, on random short patterns and
// words: the verdict and all three letter variables must agree, stale bindings included. The memo
// is forced from the first run start (a budget of 0), and the matcher as searches call it, whose
// budget real words never exhaust, is compared as well.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "engine/match_word.h"
#include "engine/prepare_search_pattern.h"
#include "engine/sequence_plain_match.h"
#include "random_patterns.h"

namespace kwintel {
namespace {

using testing_support::RandomPatterns;

struct Outcome {
  int matched;
  int ampVar;
  int dollarVar;
  int caretVar;
  bool operator==(const Outcome&) const = default;
};

template <typename Matcher>
Outcome Run(Matcher matcher, const std::string& pattern, const std::string& word, int amp, int dollar, int caret) {
  matchState.matched = 0;
  matchState.ampVar = amp;
  matchState.dollarVar = dollar;
  matchState.caretVar = caret;
  matcher(word.c_str(), pattern.c_str());
  return Outcome{matchState.matched, matchState.ampVar, matchState.dollarVar, matchState.caretVar};
}

void ExpectSame(const std::string& pattern, const std::string& word, int amp, int dollar, int caret) {
  const Outcome plain = Run(MatchSequencePlain, pattern, word, amp, dollar, caret);
  const auto memoFirst = [](const char* w, const char* p) { MatchSequenceWithBudget(w, p, 0); };
  const Outcome memoised = Run(memoFirst, pattern, word, amp, dollar, caret);
  EXPECT_EQ(plain, Run(MatchSequence, pattern, word, amp, dollar, caret))
      << "pattern «" << pattern << "» word «" << word << "» with the usual budget";
  ASSERT_EQ(plain, memoised) << "pattern «" << pattern << "» word «" << word << "» start " << amp << " " << dollar
                             << " " << caret << ": plain " << plain.matched << " " << plain.ampVar << " "
                             << plain.dollarVar << " " << plain.caretVar << ", memoised " << memoised.matched << " "
                             << memoised.ampVar << " " << memoised.dollarVar << " " << memoised.caretVar;
}

TEST(SequenceMemoDifferentialTest, PreparedPatternsGiveThePlainOutcome) {
  RandomPatterns generator(20240607);
  int compared = 0;
  int severalRuns = 0;
  int matches = 0;
  while (compared < 12'000) {
    std::string pattern = generator.TypedSequence();
    int minLength = 0;
    int maxLength = 0;
    if (!PrepareSearchPattern(pattern, SearchType::Sequence, minLength, maxLength)) continue;
    const std::string rest = pattern[0] == '-' ? pattern.substr(1) : pattern;
    for (int w = 0; w < 3; ++w) {
      const std::string word = generator.Word();
      ExpectSame(rest, word, 0, 0, 0);
      if (testing::Test::HasFatalFailure()) return;
      matches += matchState.matched;
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

TEST(SequenceMemoDifferentialTest, RawPatternsAndPresetVariablesGiveThePlainOutcome) {
  RandomPatterns generator(77);
  for (int i = 0; i < 10'000; ++i) {
    const std::string pattern = generator.RawSequence();
    const std::string word = generator.Word();
    ExpectSame(pattern, word, generator.Variable(), generator.Variable(), generator.Variable());
    if (testing::Test::HasFatalFailure()) return;
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
        ExpectSame(pattern, word, 0, 0, 0);
        if (testing::Test::HasFatalFailure()) return;
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
    int minLength = 0;
    int maxLength = 0;
    if (!PrepareSearchPattern(pattern, SearchType::Sequence, minLength, maxLength)) continue;
    std::string word;
    const int wordLength = 60 + generator.Below(10);
    for (int c = 0; c < wordLength; ++c) word += "ABAE"[generator.Below(4)];
    ExpectSame(pattern[0] == '-' ? pattern.substr(1) : pattern, word, 0, 0, 0);
    if (testing::Test::HasFatalFailure()) return;
  }
}

TEST(SequenceMemoDifferentialTest, VariablesBeyondAByteAreStillHonoured) {
  // Values no word byte can have: the memo must key them whole, not truncated to a byte.
  for (const int odd : {-1, 256, 0x141, 1 << 20}) {
    ExpectSame("*A*'*%", "BABAB", odd, 0, 0);
    ExpectSame("*A*'*%", "BABAB", 0, odd, 'A');
    ExpectSame("*A*&*%", "BABAB", odd, odd, odd);
  }
}

}  // namespace
}  // namespace kwintel
