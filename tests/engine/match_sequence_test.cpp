#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/matchers.h"
#include "engine/sequence_plain_match.h"
#include "support/compiled_patterns.h"

namespace kwintel {
namespace {

// Compiles `typed` as a sequence pattern, as a search does, and tests `word` with it.
bool SequenceMatches(const std::string& typed, const std::string& word) {
  return testing_support::Matches(SearchType::Sequence, typed, word);
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

// The variables after a failed search show every binding ever made, stale ones included.
struct VariableRow {
  std::string pattern;  // prepared
  std::string word;
  bool matched;
  int amp;
  int dollar;
  int caret;
};

std::ostream& operator<<(std::ostream& out, const VariableRow& row) {
  return out << "«" << row.pattern << "» on «" << row.word << "»";
}

class VariableSideEffectTest : public testing::TestWithParam<VariableRow> {};

TEST_P(VariableSideEffectTest, LeavesTheVariablesAsThePathsLeftThem) {
  const VariableRow& row = GetParam();
  const SequenceOutcome expected{row.matched, row.amp, row.dollar, row.caret};
  EXPECT_EQ(MatchSequencePlain(row.word.c_str(), row.pattern.c_str()), expected);
  EXPECT_EQ(MatchSequenceWithBudget(row.word.c_str(), row.pattern.c_str(), 0), expected) << "with the memo";
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

TEST(MatchSequenceTest, DecidesThePathologicalPatternOnLongWords) {
  // Plain backtracking would try about 90^12 splits here; the memo makes it a few thousand.
  const char* pattern = "*A*A*A*A*A*A*A*A*A*A*A*A*C";
  std::string word;
  for (int i = 0; i < 90; ++i) word += (i * 7 % 3 == 0) ? 'B' : 'A';
  EXPECT_FALSE(MatchSequence(word.c_str(), pattern));
  word.back() = 'C';
  EXPECT_TRUE(MatchSequence(word.c_str(), pattern));
}

}  // namespace
}  // namespace kwintel
