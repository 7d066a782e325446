// Patterns without letter variables take the one-pass matcher; it must give the plain
// backtracking's verdict on every word, with or without the word's length known, and must notice
// a new pattern even in the same buffer.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/match_word.h"
#include "engine/sequence_matcher_internal.h"

namespace kwintel {
namespace {

int Plain(const std::string& pattern, const std::string& word) {
  matchState.matched = 0;
  MatchSequencePlain(word.c_str(), pattern.c_str());
  return matchState.matched;
}

int Fast(const std::string& pattern, const std::string& word) {
  matchState.matched = 0;
  MatchSequence(word.c_str(), pattern.c_str());
  return matchState.matched;
}

int FastWithLength(const std::string& pattern, const std::string& word) {
  matchState.matched = 0;
  MatchSequence(word.c_str(), pattern.c_str(), word.size());
  return matchState.matched;
}

void ExpectPlainVerdict(const std::string& pattern, const std::string& word) {
  const int plain = Plain(pattern, word);
  ASSERT_EQ(plain, Fast(pattern, word)) << "pattern «" << pattern << "» word «" << word << "»";
  ASSERT_EQ(plain, FastWithLength(pattern, word))
      << "pattern «" << pattern << "» word «" << word << "» with its length";
}

TEST(SequenceSegmentsTest, RandomPatternsWithoutVariablesGiveThePlainVerdict) {
  std::mt19937 random(31337);
  const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  static const char* const kTokens[] = {"A",    "B",   "E",  "N",    ".",  "?",  "/", "\\", "@",
                                        "[AB]", "{A}", "[]", "{}",   "[ ]", "*",  "*", "*",  "*",
                                        "[*]",  "{*B}", "-", "\xC9", "]"};
  static const char kLetters[] = {'A', 'B', 'E', 'N', 'A', 'E', ' ', '*', '\xC9', '\x01', '\x7F'};
  int matches = 0;
  for (int i = 0; i < 20'000; ++i) {
    std::string pattern;
    const int tokens = below(12);
    for (int t = 0; t < tokens; ++t) {
      const std::string token = kTokens[below(sizeof kTokens / sizeof *kTokens)];
      if (token == "*" && !pattern.empty() && pattern.back() == '*') continue;
      pattern += token;
    }
    std::string word;
    // Short words, words around 32 bytes (the most a word taken whole has), and long ones.
    const int length = below(4) == 0 ? 60 + below(20) : below(3) == 0 ? 14 + below(22) : below(14);
    for (int c = 0; c < length; ++c) word += kLetters[below(below(5) == 0 ? 11 : 6)];
    ExpectPlainVerdict(pattern, word);
    if (testing::Test::HasFatalFailure()) return;
    matches += matchState.matched;
  }
  EXPECT_GT(matches, 800);
  EXPECT_LT(matches, 19'000);
}

TEST(SequenceSegmentsTest, AWordEndsAtItsFirstControlOrAccentedByte) {
  // Every length the eight-at-a-time search meets (short words, whole blocks, a block and a tail)
  // with the end byte at every place.
  for (const char end : {'\x01', '\x1F', '\n', '\x80', '\xE9', '\xFF'}) {
    for (std::size_t length = 1; length <= 20; ++length) {
      for (std::size_t at = 0; at <= length; ++at) {
        std::string word(length, 'A');
        if (at < length) word[at] = end;
        for (const char* pattern : {"A*A", "*AA", "*", "A*", "*A*", "AAAAAAAAA*"}) {
          ExpectPlainVerdict(pattern, word);
          if (testing::Test::HasFatalFailure()) return;
        }
      }
    }
  }
  // A space and DEL are word characters.
  EXPECT_EQ(1, FastWithLength("*@.", "AB \x7F"));
}

TEST(SequenceSegmentsTest, PiecesLongerThanSixtyFourElementsBetweenRuns) {
  const std::string piece(70, '.');
  const std::string pattern = "*B" + piece + "*";
  std::string word(100, 'A');
  ExpectPlainVerdict(pattern, word);
  word[10] = 'B';
  ExpectPlainVerdict(pattern, word);
  EXPECT_EQ(1, FastWithLength(pattern, word));
  word[40] = '\x01';  // the piece no longer fits before the word ends
  ExpectPlainVerdict(pattern, word);
  EXPECT_EQ(0, FastWithLength(pattern, word));
}

TEST(SequenceSegmentsTest, ANewPatternInTheSameBufferIsNoticed) {
  std::string pattern = "*EN";
  EXPECT_EQ(1, Fast(pattern, "LOPEN"));
  pattern[1] = 'A';  // the same characters' place, another pattern
  EXPECT_EQ(0, Fast(pattern, "LOPEN"));
  pattern = "*EN*";
  EXPECT_EQ(1, Fast(pattern, "LOPEN"));
  // A pattern with a letter variable after one without still binds.
  matchState.ampVar = 0;
  matchState.matched = 0;
  MatchSequence("LOPEN", "*'N");
  EXPECT_EQ(1, matchState.matched);
  EXPECT_EQ('E', matchState.ampVar);
  EXPECT_EQ(1, Fast("*EN", "LOPEN"));
}

TEST(SequenceSegmentsTest, ASteadyPatternIsKnownByItsAddressOnlyWhileTheScopeLives) {
  std::string pattern = "-*EN";
  {
    const SteadyPatternScope steady(SearchType::Sequence, pattern.c_str());
    MatchWordOfLength(SearchType::Sequence, pattern.c_str(), "LOPEN", 5);
    EXPECT_EQ(0, matchState.matched);
  }
  // The scope has ended: the same address with other text is another pattern.
  pattern[2] = 'A';
  MatchWordOfLength(SearchType::Sequence, pattern.c_str(), "LOPEN", 5);
  EXPECT_EQ(1, matchState.matched);
  // A pattern with variables under a scope still goes to the backtracking matcher.
  const std::string bound = "*'N";
  const SteadyPatternScope steady(SearchType::Sequence, bound.c_str());
  MatchWordOfLength(SearchType::Sequence, bound.c_str(), "LOPEN", 5);
  EXPECT_EQ(1, matchState.matched);
  EXPECT_EQ('E', matchState.ampVar);
}

TEST(SequenceSegmentsTest, TheWordFileScanGivesTheNegatedVerdictToo) {
  MatchWordOfLength(SearchType::Sequence, "-*E*", "ROOS", 4);
  EXPECT_EQ(1, matchState.matched);
  MatchWordOfLength(SearchType::Sequence, "-*E*", "LOPEN", 5);
  EXPECT_EQ(0, matchState.matched);
  // Other types are decided as MatchWord decides them.
  MatchWordOfLength(SearchType::Telephone, "7667", "ROOS", 4);
  EXPECT_EQ(1, matchState.matched);
}

}  // namespace
}  // namespace kwintel
