// "&Doorzoeken" over lists set up by the test: which lines stay, how they are re-added, the summary
// line, and commands that rework the list while a narrowing pumps.

#include "shell/narrow_results.h"

#include <gtest/gtest.h>

#include "session_fixture.h"
#include "shell/auxiliary_commands.h"
#include "shell/command_table.h"

namespace kwintel {
namespace {

using testing_support::FourLetterWords;
using testing_support::Lines;
using testing_support::SessionFixture;

struct StripRow {
  std::string text;
  std::string stripped;
};

TEST(StripLengthPrefix, RemovesOnlyANumberBeforeAnEarlyPoint) {
  const StripRow rows[] = {
      {" 6. ROOSJE", "ROOSJE"},
      {"13. ROOSTER - TER", "ROOSTER - TER"},
      {"120. A", "A"},
      {"ROOSJE", "ROOSJE"},
      {"ABCD.EF", "ABCD.EF"},  // the first point stands at index 4
      {"1234. X", "1234. X"},
      {"A.B", "A.B"},  // the second character is no digit
      {"X5.YZ", "Z"},  // a digit second and a point at 2 are all it takes
      {"12.", ""},     // nothing after the point: nothing is read beyond the text
      {" 0. ", ""},
      {".", "."},
      {"", ""},
  };
  for (const StripRow& row : rows) {
    std::string text = row.text;
    StripLengthPrefix(text);
    EXPECT_EQ(text, row.stripped) << "from \"" << row.text << '"';
  }
}

class NarrowResultsTest : public SessionFixture {
 protected:
  void Narrow(const std::string& pattern, SearchType type = SearchType::Sequence) {
    form.pattern = pattern;
    form.type = type;
    NarrowResults(session, Controls());
  }
};

struct NarrowRow {
  const char* name;
  Lines before;
  SearchType type;
  const char* pattern;
  int withLength;
  Lines after;
};

TEST_F(NarrowResultsTest, RetestsEachResultLineWithoutItsLengthNumber) {
  const std::string longLine = std::string(200, 'A') + "Z - QQ";
  const NarrowRow rows[] = {
      {"Set with the numbers",
       {" 6. ROOSJE", " 7. ROOSTER", "Totaal: 2"},
       SearchType::Set,
       "ROSJE",
       1,
       {" 6. ROOSJE", "Doorzoeken gevonden: 1."}},
      {"Set without",
       {" 6. ROOSJE", " 7. ROOSTER", "Totaal: 2"},
       SearchType::Set,
       "ROSJE",
       0,
       {"ROOSJE", "Doorzoeken gevonden: 1."}},
      {"the decoration is part of the text",
       {" 7. ROOSTER - TER", "Totaal: 1"},
       SearchType::Sequence,
       "ROOSTER*",
       1,
       {"13. ROOSTER - TER", "Doorzoeken gevonden: 1."}},
      {"no length range",
       {"ROO", "ROOS", "SOOR", "ROOSJE", "Totaal: 4"},
       SearchType::Telephone,
       "7667",
       0,
       {"ROO", "ROOS", "SOOR", "Doorzoeken gevonden: 3."}},
      {"a backwards find keeps the length of its word",
       {" 2. TA <", " 3. KAT", " 3. TAK <", "Totaal: 3"},
       SearchType::HiddenWord,
       "de kat",
       1,
       {" 2. TA <", " 3. KAT", " 3. TAK <", "Doorzoeken gevonden: 3."}},
      {"small letters are tested as capitals",
       {"roos", "raam", "Vorige"},
       SearchType::Sequence,
       "R..S",
       0,
       {"ROOS", "Doorzoeken gevonden: 1."}},
      {"a point from index 4 on stays",
       {"ABCD.E", "Totaal: 1"},
       SearchType::Sequence,
       "ABCD*",
       0,
       {"ABCD.E", "Doorzoeken gevonden: 1."}},
      {"a line longer than 151 characters",
       {longLine, "Totaal: 1"},
       SearchType::Sequence,
       "A*Z*",
       1,
       {"206. " + longLine, "Doorzoeken gevonden: 1."}},
      {"IJ lines dropped and not counted",
       {"IJS", "IJK", "Totaal: 2"},
       SearchType::Sequence,
       "IJ.",
       0,
       {"Doorzoeken gevonden: 0."}},
      {"only a summary line", {"Totaal: 0"}, SearchType::Sequence, "R..S", 0, {"Doorzoeken gevonden: 0."}},
      {"an empty list", {}, SearchType::Sequence, "R..S", 0, {"Doorzoeken gevonden: 0."}},
  };
  for (const NarrowRow& row : rows) {
    SCOPED_TRACE(row.name);
    SetLines(row.before);
    session.withLength = row.withLength;
    Narrow(row.pattern, row.type);
    EXPECT_EQ(ListLines(), row.after);
    EXPECT_EQ(view.progress, 100);
  }
}

TEST_F(NarrowResultsTest, FollowsTheCaseModeAndTheFiltersAndKeepsTheBackup) {
  session.resultBackup = {"ROOS", "RAAS"};
  SetLines({"ROOS", "RAAS", "RIBS", "Totaal: 3"});
  session.upperCaseMode = 0;
  session.sortMode = 3;
  form.mustNotContain = "I";
  Narrow("R..S");
  EXPECT_EQ(ListLines(), (Lines{"roos", "raas", "Doorzoeken gevonden: 2."}));
  form.mustContain = "A";
  Narrow("R..S");
  EXPECT_EQ(ListLines(), (Lines{"raas", "Doorzoeken gevonden: 1."})) << "narrowing twice";
  EXPECT_EQ(session.resultBackup.Strings(), (Lines{"ROOS", "RAAS"}));
  EXPECT_EQ(session.sortMode, 0);
}

TEST_F(NarrowResultsTest, RefusedPatternChangesNothing) {
  const Lines lines = {"ROOS", "Totaal: 1"};
  SetLines(lines);
  Narrow("r**s");
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "r**s");
  EXPECT_EQ(view.messages[0].caption, "Patroon fout");
  EXPECT_EQ(ListLines(), lines);
  EXPECT_TRUE(view.history.empty());
  Narrow("roos");
  EXPECT_EQ(view.history, (Lines{"ROOS"}));
}

// 1000 four-letter lines and a summary line; pumps before lines 200, 400, ...
class NarrowPumpTest : public NarrowResultsTest {
 protected:
  NarrowPumpTest() {
    session.ijOneLetter = 0;
    words = FourLetterWords(1000);
    initial = words;
    initial.push_back("Totaal: 1000");
    SetLines(initial);
  }
  Lines words;
  Lines initial;
};

TEST_F(NarrowPumpTest, StopsAtTheMaximumOrTheInterrupt) {
  Narrow("....");
  ASSERT_EQ(ListLines().size(), 101u);
  EXPECT_EQ(ListLines().back(), "Doorzoeken maximum bereikt: 100.");

  SetLines(initial);
  form.maxResults = 15000;
  view.onPump = [&] { RequestStop(session); };
  Narrow("....");
  EXPECT_EQ(view.pumpCount, 1);
  ASSERT_EQ(ListLines().size(), 202u) << "line 200 is still tested after the press";
  EXPECT_EQ(ListLines()[200], words[200]);
  EXPECT_EQ(ListLines().back(), "Doorzoeken onderbroken na: 201e.");
  EXPECT_EQ(view.progress, 20);
}

TEST_F(NarrowPumpTest, EveryLinePresentAtTheStartIsTestedOnceWhateverThePumpDoes) {
  form.maxResults = 100'000;
  const int commands[] = {ids::kSorteer, ids::kVorige};
  for (const int command : commands) {
    SCOPED_TRACE(command);
    Lines lines(words.rbegin(), words.rend());
    lines.push_back("Totaal: 1000");
    SetLines(lines);
    bool narrowRan = true;
    view.onPump = [&] {
      narrowRan = Press(ids::kDoorzoeken);
      Press(command);
    };
    Narrow("....");
    EXPECT_FALSE(narrowRan);
    Lines expected(words.rbegin(), words.rend());
    expected.push_back("Doorzoeken gevonden: 1000.");
    EXPECT_EQ(ListLines(), expected);
  }
}

}  // namespace
}  // namespace kwintel
