#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "engine/match_word.h"
#include "engine/prepare_search_pattern.h"

namespace kwintel {
namespace {

// Prepares `typed` as a sequence pattern, as a search does, and tests `word` through the dispatch.
bool SequenceMatches(const std::string& typed, const std::string& word) {
  std::string pattern = typed;
  int minLength = 0;
  int maxLength = 0;
  EXPECT_TRUE(PrepareSearchPattern(pattern, SearchType::Sequence, minLength, maxLength)) << typed;
  MatchWord(SearchType::Sequence, pattern.c_str(), word.c_str());
  return matchState.matched == 1;
}

struct Row {
  std::string pattern;
  std::string word;
  bool matches;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << "«" << row.pattern << "» on «" << row.word << "»";
}

class SequenceTest : public testing::TestWithParam<Row> {};

TEST_P(SequenceTest, Matches) {
  const Row& row = GetParam();
  EXPECT_EQ(SequenceMatches(row.pattern, row.word), row.matches);
}

INSTANTIATE_TEST_SUITE_P(WholeWord, SequenceTest,
                         testing::Values(Row{"R..S", "ROOS", true}, Row{"R..S", "RAAS", true},
                                         Row{"R..S", "ROOSJE", false},  // characters left over
                                         Row{"R..S", "ROS", false},     // pattern left over
                                         Row{"R??S", "ROOS", true}, Row{"R..S", "BOOS", false},
                                         Row{"R..S", "ROOT", false}, Row{"ROOS", "roos", false},  // exact bytes
                                         Row{"A", "A", true}, Row{"A", "", false}));

INSTANTIATE_TEST_SUITE_P(VowelsAndConsonants, SequenceTest,
                         testing::Values(Row{"/\\/\\", "ABAK", true}, Row{"/\\/\\", "EDEL", true},
                                         Row{"/\\/\\", "BAAN", false}, Row{"\\/\\", "BAK", true},
                                         Row{"\\/\\", "YAK", false},  // Y is neither
                                         Row{"/", "Y", false}, Row{"//////", "AEIOUA", true},
                                         Row{"\\\\\\\\\\", "BCDFG", true}, Row{"\\", "A", false}, Row{"/", "a", false},
                                         Row{"\\", "@", false}));

INSTANTIATE_TEST_SUITE_P(Classes, SequenceTest,
                         testing::Values(Row{"[RK]OOS", "ROOS", true}, Row{"[RK]OOS", "KOOS", true},
                                         Row{"[RK]OOS", "BOOS", false}, Row{"{RK}OOS", "BOOS", true},
                                         Row{"{RK}OOS", "ROOS", false}, Row{"{RK}OOS", "KOOS", false},
                                         Row{"[]", "A", false}, Row{"[].", "AB", false},
                                         Row{"{}", "AB", false},  // one character is left over
                                         Row{"{}.", "AB", true}, Row{"{}", "A", true}, Row{"[AB][CD]", "BC", true},
                                         Row{"[AB][CD]", "BB", false},
                                         Row{"[@X]B", "@B", true},  // '@' listed is itself, not a space
                                         Row{"[@X]B", " B", false}, Row{"{@}B", " B", true}));

INSTANTIATE_TEST_SUITE_P(Runs, SequenceTest,
                         testing::Values(Row{"AB*", "AB", true}, Row{"AB*", "ABC", true}, Row{"AB*", "A", false},
                                         Row{"A*B", "AB", true}, Row{"A*B", "AXB", true}, Row{"A*B", "AXYB", true},
                                         Row{"A*B", "AXYC", false}, Row{"A*B", "B", false}, Row{"A*B", "A", false},
                                         Row{"*EN", "LOPEN", true}, Row{"*EN", "EN", true}, Row{"*EN", "LOPE", false},
                                         Row{"*A*B*", "XAYBZ", true}, Row{"*A*B*", "XBYAZ", false},
                                         Row{"*A*B*", "AB", true}, Row{"*A*A", "AA", true}, Row{"*A*A", "ABA", true},
                                         Row{"*A*A", "AB", false}, Row{"*[AEIOU][AEIOU][AEIOU]*", "BEEIGEN", true},
                                         Row{"*[AEIOU][AEIOU][AEIOU]*", "BEEGIEN", false}));

INSTANTIATE_TEST_SUITE_P(Negation, SequenceTest,
                         testing::Values(Row{"-R..S", "ROOS", false}, Row{"-R..S", "BOOM", true},
                                         Row{"-R..S", "ROOSJE", true}, Row{"-*E*", "BEEN", false},
                                         Row{"-*E*", "BOOM", true}, Row{"-&&", "AA", false}, Row{"-&&", "AB", true}));

INSTANTIATE_TEST_SUITE_P(LetterVariables, SequenceTest,
                         testing::Values(Row{"&..&", "ROER", true}, Row{"&..&", "ROOS", false},
                                         Row{"&$$&", "ABBA", true},
                                         Row{"&$$&", "AAAA", false},  // two variables never take one letter
                                         Row{"&$^", "ABC", true}, Row{"&$^", "ABA", false}, Row{"&$^", "AAB", false},
                                         Row{"&&&", "AAA", true}, Row{"&&&", "AAB", false}, Row{"*&&*", "BOOM", true},
                                         Row{"*&&*", "BOM", false}, Row{"&*&", "ABCA", true}, Row{"&*&", "ABCB", false},
                                         // A stale binding: '$' still holds A from the abandoned path at X, so the
                                         // path at A cannot bind '&' to A.
                                         Row{"*&$", "XAB", false}, Row{"*&$", "AB", true}));

INSTANTIATE_TEST_SUITE_P(WordEnd, SequenceTest,
                         testing::Values(Row{"CAF*", "CAF\xC9", true},  // É ends the word after CAF
                                         Row{"CAF.", "CAF\xC9", false}, Row{"CAF", "CAF\xC9", true},
                                         Row{"CAF\xC9", "CAF\xC9", false},  // a pattern byte of 128+ finds no word
                                         Row{"CAF*", "CAF\xC9S", true}, Row{"CAFE", "CAFE\x80", true},
                                         Row{"AB", "AB\r", true},
                                         Row{"AB",
                                             "AB\x01"
                                             "CD",
                                             true},
                                         Row{"A.B",
                                             "A\x1F"
                                             "B",
                                             false},  // 31 ends the word
                                         Row{"A.B",
                                             "A\x7F"
                                             "B",
                                             true},                // 127 does not
                                         Row{"A.B", "A B", true},  // a space belongs to the word
                                         Row{"A@B", "A B", true}, Row{"A@B", "AXB", false}, Row{"A@B", "AB", false},
                                         Row{"@", " ", true},
                                         Row{"A..",
                                             "A\xFF"
                                             "BC",
                                             false},
                                         Row{"*A",
                                             "\xC9"
                                             "A",
                                             false}));  // a word that starts with É is empty

TEST(MatchWordTest, ClearsTheVerdictAndTheVariablesFirst) {
  matchState.matched = 1;
  matchState.ampVar = 'X';
  matchState.dollarVar = 'B';
  matchState.caretVar = 'A';
  // Left as they were, '$' holding B would stop "'" from taking the B of "BA".
  MatchWord(SearchType::Sequence, "'%", "BA");
  EXPECT_EQ(matchState.matched, 1);
  EXPECT_EQ(matchState.ampVar, 'B');
  EXPECT_EQ(matchState.dollarVar, 'A');
  EXPECT_EQ(matchState.caretVar, 0);

  matchState.matched = 1;
  MatchWord(SearchType::Sequence, "A", "B");
  EXPECT_EQ(matchState.matched, 0);
}

TEST(MatchWordTest, LeavesTheRemainderAndMissingLetter) {
  matchState.remainder = "XYZ";
  matchState.missingLetter = 'Q';
  MatchWord(SearchType::Sequence, "A", "A");
  EXPECT_EQ(matchState.remainder, "XYZ");
  EXPECT_EQ(matchState.missingLetter, 'Q');
}

TEST(MatchWordTest, ATypeOutsideTheTenCallsNothing) {
  for (const int value : {-1, 10, 11, 1000}) {
    matchState.matched = 1;
    matchState.ampVar = 'A';
    MatchWord(static_cast<SearchType>(value), "*", "ABC");
    EXPECT_EQ(matchState.matched, 0) << value;
    EXPECT_EQ(matchState.ampVar, 0) << value;
  }
}

TEST(MatchWordTest, NegationFlipsOnlyTheSequenceVerdict) {
  MatchWord(SearchType::Sequence, "-", "");  // the empty rest matches the empty word
  EXPECT_EQ(matchState.matched, 0);
  MatchWord(SearchType::Sequence, "-", "A");
  EXPECT_EQ(matchState.matched, 1);
}

// The variables after a failed search show every binding ever made, stale ones included.
struct VariableRow {
  std::string pattern;  // prepared
  std::string word;
  int matched;
  int ampVar;
  int dollarVar;
  int caretVar;
};

std::ostream& operator<<(std::ostream& out, const VariableRow& row) {
  return out << "«" << row.pattern << "» on «" << row.word << "»";
}

class VariableSideEffectTest : public testing::TestWithParam<VariableRow> {};

TEST_P(VariableSideEffectTest, LeavesTheVariablesAsThePathsLeftThem) {
  const VariableRow& row = GetParam();
  MatchWord(SearchType::Sequence, row.pattern.c_str(), row.word.c_str());
  EXPECT_EQ(matchState.matched, row.matched);
  EXPECT_EQ(matchState.ampVar, row.ampVar);
  EXPECT_EQ(matchState.dollarVar, row.dollarVar);
  EXPECT_EQ(matchState.caretVar, row.caretVar);
}

INSTANTIATE_TEST_SUITE_P(Rows, VariableSideEffectTest,
                         testing::Values(
                             // X binds '&', A binds '$'; at A '&' is refused; at B '&' binds and the word ends.
                             VariableRow{"*'%", "XAB", 0, 'B', 'A', 0}, VariableRow{"'..&", "ROER", 1, 'R', 0, 0},
                             VariableRow{"'..&", "ROOS", 0, 'R', 0, 0}, VariableRow{"'%$&", "AAAA", 0, 'A', 0, 0},
                             VariableRow{"''", "AB", 1, 'B', 0, 0},  // a mark always overwrites its variable
                             // B binds '^' on the first path, so the path at B cannot bind '&' to B.
                             VariableRow{"*'_", "ABC", 0, 'C', 0, 'B'}, VariableRow{"*'%", "XYAB", 1, 'A', 'B', 0}));

TEST(MatchBracketClassTest, ListsOrExcludesCharactersLiterally) {
  struct Case {
    const char* pattern;
    char c;
    bool expected;
  };
  const Case cases[] = {
      {"[AB]C", 'A', true},   {"[AB]C", 'B', true}, {"[AB]C", 'C', false}, {"{AB}C", 'A', false},
      {"{AB}C", 'C', true},   {"[]A", 'A', false},  {"{}", 'A', true},     {"[@&$^]", '&', true},
      {"[@&$^]", ' ', false}, {"{@}", ' ', true},   {"[A]B]", ']', false},  // the first ']' closes
      {"{A}B}", 'B', true},   {"X", 'X', true},     {"X", 'Y', false},     {"[AB", 'C', false},
      {"{AB", 'C', true},  // unclosed: read no further than the text
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchBracketClass(c.pattern, c.c), c.expected) << c.pattern << " " << c.c;
  }
}

TEST(MatchSequenceTest, DoesNothingOnceTheWordHasMatched) {
  matchState.matched = 1;
  matchState.ampVar = 0;
  MatchSequence("AB", "'B");
  EXPECT_EQ(matchState.matched, 1);
  EXPECT_EQ(matchState.ampVar, 0);
}

TEST(MatchSequenceTest, ForgetsTheLastWordEvenAtTheSameAddress) {
  // The scan reuses one line buffer: what failed for the last word must not fail this one.
  char word[16] = "XXXXXXXXXX";
  MatchWord(SearchType::Sequence, "*A*B*C", word);
  EXPECT_EQ(matchState.matched, 0);
  std::snprintf(word, sizeof word, "XAXBXC");
  MatchWord(SearchType::Sequence, "*A*B*C", word);
  EXPECT_EQ(matchState.matched, 1);
  std::snprintf(word, sizeof word, "XAXBXCX");
  MatchWord(SearchType::Sequence, "*A*B*C", word);
  EXPECT_EQ(matchState.matched, 0);
}

TEST(MatchSequenceTest, WorksOutAgainForAChangedPatternAtTheSameAddress) {
  // The narrowing and the tests reuse buffers: what was worked out for one pattern must not
  // serve another that happens to lie at the same address.
  char pattern[16] = "*EN";
  MatchWord(SearchType::Sequence, pattern, "OPEN");
  EXPECT_EQ(matchState.matched, 1);
  pattern[1] = 'A';  // "*AN"
  MatchWord(SearchType::Sequence, pattern, "OPEN");
  EXPECT_EQ(matchState.matched, 0);
  MatchWord(SearchType::Sequence, pattern, "PLAN");
  EXPECT_EQ(matchState.matched, 1);
  std::snprintf(pattern, sizeof pattern, "*A*N");  // same start, longer
  MatchWord(SearchType::Sequence, pattern, "PLAATSEN");
  EXPECT_EQ(matchState.matched, 1);
  std::snprintf(pattern, sizeof pattern, "*A");  // a prefix of the last one
  MatchWord(SearchType::Sequence, pattern, "PLAATSEN");
  EXPECT_EQ(matchState.matched, 0);
  MatchWord(SearchType::Sequence, pattern, "OMA");
  EXPECT_EQ(matchState.matched, 1);
}

TEST(MatchSequenceTest, DecidesThePathologicalPatternOnLongWords) {
  // Plain backtracking would try about 90^12 splits here; the memo makes it a few thousand.
  const char* pattern = "*A*A*A*A*A*A*A*A*A*A*A*A*C";
  std::string word;
  for (int i = 0; i < 90; ++i) word += (i * 7 % 3 == 0) ? 'B' : 'A';
  MatchWord(SearchType::Sequence, pattern, word.c_str());
  EXPECT_EQ(matchState.matched, 0);
  word.back() = 'C';
  MatchWord(SearchType::Sequence, pattern, word.c_str());
  EXPECT_EQ(matchState.matched, 1);
}

}  // namespace
}  // namespace kwintel
