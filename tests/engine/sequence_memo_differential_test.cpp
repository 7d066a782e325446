// The memoised sequence matcher against the plain backtracking, on random short patterns and
// words: the verdict and all three letter variables must agree, stale bindings included.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "engine/match_word.h"
#include "engine/prepare_search_pattern.h"
#include "engine/sequence_matcher_internal.h"

namespace kwintel {
namespace {

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  // A pattern as a user would type it: letters, wildcards, classes, variables and several runs.
  std::string TypedPattern() {
    static const char* const kTokens[] = {"A",  "B",  "C",    ".",    ".",  "/", "\\", "@",
                                          "&",  "$",  "^",    "&",    "$",  "^", "[AB]", "{A}",
                                          "[]", "{}", "[&B]", "[@C]", "*",  "*", "*",    "*",
                                          "*",  "*",  "*",    "*"};
    return Tokens(kTokens, sizeof kTokens / sizeof *kTokens, Below(3) == 0);
  }

  // A pattern as no preparation would leave it: binding marks anywhere and more than once.
  std::string RawPattern() {
    static const char* const kTokens[] = {"A",  "B", "'",  "%",    "_",  "&", "$", "^",
                                          "'",  "%", ".",  "[AB]", "{B}", "*", "*", "*"};
    return Tokens(kTokens, sizeof kTokens / sizeof *kTokens, false);
  }

  std::string Word() {
    static const char kLetters[] = {'A', 'B', 'C', 'A', 'B', 'A', 'B', 'C', ' ', 'E', '\xC9'};
    std::string word;
    const int length = Below(15);
    for (int i = 0; i < length; ++i) word += kLetters[Below(sizeof kLetters)];
    return word;
  }

  int Variable() {
    static const int kValues[] = {0, 0, 0, 'A', 'B', 'C'};
    return kValues[Below(6)];
  }

 private:
  std::string Tokens(const char* const* tokens, int count, bool negated) {
    std::string pattern = negated ? "-" : "";
    const int length = 1 + Below(14);
    for (int i = 0; i < length; ++i) {
      const std::string token = tokens[Below(count)];
      if (token == "*" && !pattern.empty() && pattern.back() == '*') continue;
      pattern += token;
    }
    return pattern;
  }

  std::mt19937 random_;
};

struct Outcome {
  int matched;
  int ampVar;
  int dollarVar;
  int caretVar;
  bool operator==(const Outcome&) const = default;
};

template <typename Matcher>
Outcome Run(Matcher matcher, const std::string& pattern, const std::string& word, int amp,
            int dollar, int caret) {
  matchState.matched = 0;
  matchState.ampVar = amp;
  matchState.dollarVar = dollar;
  matchState.caretVar = caret;
  matcher(word.c_str(), pattern.c_str());
  return Outcome{matchState.matched, matchState.ampVar, matchState.dollarVar, matchState.caretVar};
}

void ExpectSame(const std::string& pattern, const std::string& word, int amp, int dollar,
                int caret) {
  const Outcome plain = Run(MatchSequencePlain, pattern, word, amp, dollar, caret);
  const auto unknownLength = [](const char* w, const char* p) { MatchSequence(w, p); };
  const Outcome memoised = Run(unknownLength, pattern, word, amp, dollar, caret);
  // The word-file scan tells the matcher where the word's text ends.
  const auto knownLength = [&word](const char* w, const char* p) { MatchSequence(w, p, word.size()); };
  EXPECT_EQ(memoised, Run(knownLength, pattern, word, amp, dollar, caret))
      << "pattern «" << pattern << "» word «" << word << "» with its length";
  ASSERT_EQ(plain, memoised) << "pattern «" << pattern << "» word «" << word << "» start "
                             << amp << " " << dollar << " " << caret << ": plain "
                             << plain.matched << " " << plain.ampVar << " " << plain.dollarVar
                             << " " << plain.caretVar << ", memoised " << memoised.matched << " "
                             << memoised.ampVar << " " << memoised.dollarVar << " "
                             << memoised.caretVar;
}

TEST(SequenceMemoDifferentialTest, PreparedPatternsGiveThePlainOutcome) {
  Generator generator(20240607);
  int compared = 0;
  int severalRuns = 0;
  int matches = 0;
  while (compared < 12'000) {
    std::string pattern = generator.TypedPattern();
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
  // The memo works only below a second run, for calls that meet a third with more after it:
  // make sure the random patterns reach it.
  EXPECT_GT(severalRuns, 2'000) << severalRuns;
  EXPECT_GT(matches, 500);
  EXPECT_LT(matches, compared - 500);
}

TEST(SequenceMemoDifferentialTest, RawPatternsAndPresetVariablesGiveThePlainOutcome) {
  Generator generator(77);
  for (int i = 0; i < 10'000; ++i) {
    const std::string pattern = generator.RawPattern();
    const std::string word = generator.Word();
    ExpectSame(pattern, word, generator.Variable(), generator.Variable(), generator.Variable());
    if (testing::Test::HasFatalFailure()) return;
  }
}

TEST(SequenceMemoDifferentialTest, EveryShortWordGivesThePlainOutcome) {
  // Patterns whose later runs meet variables bound on earlier paths: a remembered state must
  // hold every variable that the rest of the pattern reads, and none of those it never touches.
  const char* const patterns[] = {"*_*.*^*A", "*'*.*&*B", "*%*.*$*A",   "*'*%*&*$",
                                  "*'*%*_*^", "*_*A*B*^", "*'*.*.*.*A", "*A*B*'*&",
                                  "*'.*%.*_", "*'*&*'*&", "*%*$*.*C"};
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

TEST(SequenceMemoDifferentialTest, WordsAroundSixtyFourCharactersGiveThePlainOutcome) {
  // Runs test their rest's first characters for a whole word at once up to 64 characters, and
  // one by one beyond.
  Generator generator(4242);
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
  // Values no word byte can have; the memo cannot key them and must fall back, not truncate.
  for (const int odd : {-1, 256, 0x141, 1 << 20}) {
    ExpectSame("*A*'*%", "BABAB", odd, 0, 0);
    ExpectSame("*A*'*%", "BABAB", 0, odd, 'A');
    ExpectSame("*A*&*%", "BABAB", odd, odd, odd);
  }
}

}  // namespace
}  // namespace kwintel
