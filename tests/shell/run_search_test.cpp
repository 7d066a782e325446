// "&Ga zoeken" end to end over small word files in a temporary folder: what the list, the
// messages, the title, the progress bar and the pattern history show afterwards.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "session_fixture.h"
#include "shell/auxiliary_commands.h"
#include "shell/command_table.h"
#include "shell/form.h"

namespace kwintel {
namespace {

using testing_support::FourLetterWords;
using testing_support::JoinLines;
using testing_support::Lines;
using testing_support::SessionFixture;

class RunSearchTest : public SessionFixture {};

struct RangeRow {
  const char* pattern;
  std::vector<int> lengths;  // empty: all
  Lines lines;
};

TEST_F(RunSearchTest, ScansTheCheckedLengthsOfThePatternsRangeShortestFirst) {
  const std::string longWord = std::string(23, 'A') + "EN";
  WriteWords(2, "EN\nAB\n");
  WriteWords(3, "BEN\nZEN\nAAP\n");
  WriteWords(4, "ROOS\nRAAS\nROER\nBOEN");
  WriteWords(5, "TAKEN\nHALLO\n");
  WriteWords(19, longWord + "\n");
  const RangeRow rows[] = {
      {"R..S", {}, {"ROOS", "RAAS", "Totaal: 2"}},
      {"*EN", {}, {"EN", "BEN", "ZEN", "BOEN", "TAKEN", longWord, "Totaal: 6"}},
      {"*EN", {5, 3}, {"BEN", "ZEN", "TAKEN", "Totaal: 3"}},
      {"*EN 4", {}, {"BOEN", "Totaal: 1"}},
      {"R..S", {2, 3, 5, 19}, {"Totaal: 0"}},  // checked lengths outside the range are not read
      {"*EN", {0}, {"Totaal: 0"}},             // nothing checked
      {"AAAAAAAAAAAAAAAAAAAAAAAEN", {}, {longWord, "Totaal: 1"}},
  };
  for (const RangeRow& row : rows) {
    SCOPED_TRACE(row.pattern);
    if (row.lengths.empty()) {
      CheckAllLengths(session);
    } else {
      SelectLengths({});
      for (const int length : row.lengths) view.SetChecked(ids::LengthToggleId(length), true);
    }
    Search(row.pattern);
    EXPECT_EQ(ListLines(), row.lines);
    EXPECT_EQ(view.progress, 100);
    EXPECT_TRUE(view.messages.empty());
  }
}

TEST_F(RunSearchTest, SkipsFilesThatDoNotOpenAndFindsNamesWithoutLetterCase) {
  WriteWords(2, "EN\n");
  ASSERT_EQ(::mkdir((prefix + "03.DOC").c_str(), 0700), 0);   // a folder in the file's place
  ASSERT_EQ(::mkfifo((prefix + "04.DOC").c_str(), 0600), 0);  // neither a file nor readable
  folder.Write("W05.doc", "TAKEN\n");                         // 06 and up are missing
  Search("*EN");
  EXPECT_EQ(ListLines(), (Lines{"EN", "TAKEN", "Totaal: 2"}));
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(view.title, "Kwintel - " + prefix + "05.DOC") << "the title names the file as built";
}

TEST_F(RunSearchTest, TitleShowsTheFileNameInTheDisplayCharacterSet) {
  prefix = folder.Path() + "/w\xC3\xA9";  // "wé" in the file system's UTF-8
  folder.Write(
      "w\xC3\xA9"
      "04.DOC",
      "ROOS\n");
  Search("R..S");
  EXPECT_EQ(ListLines(), (Lines{"ROOS", "Totaal: 1"}));
  EXPECT_EQ(view.title, "Kwintel - " + folder.Path() +
                            "/w\xE9"
                            "04.DOC");
}

struct FileRow {
  const char* name;
  int length;
  std::string bytes;
  const char* pattern;
  int withLength;
  Lines lines;
};

TEST_F(RunSearchTest, TakesEachLineOfAWordFileAsOneWord) {
  const std::string longWord = "A" + std::string(118, 'B') + "A";
  const FileRow rows[] = {
      {"CR LF as LF", 4, "ROOS\r\nROER\r\nRAAS\r\n", "R..S", 0, {"ROOS", "RAAS", "Totaal: 2"}},
      {"last line without line end", 4, "ROER\nROOS", "R..S", 1, {" 4. ROOS", "Totaal: 1"}},
      {"a line of 120 characters", 19, longWord + "\n", "A*A", 1, {"120. " + longWord, "Totaal: 1"}},
      {"a NUL ends the word", 4, std::string("RO\0OS\n", 6), "R*", 1, {" 2. RO", "Totaal: 1"}},
      {"an empty line is an empty word", 4, "\nROOS\n", "-R..S", 0, {"", "Totaal: 1"}},
      {"an empty word with its length", 4, "\nROOS\n", "-R..S", 1, {" 0. ", "Totaal: 1"}},
      {"an accented letter stays in the line", 4, "CAF\xC9\n", "CAF*", 0, {"CAF\xC9", "Totaal: 1"}},
  };
  for (const FileRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::filesystem::remove(WordFileSet::FileNameOf(prefix, 4));
    std::filesystem::remove(WordFileSet::FileNameOf(prefix, 19));
    WriteWords(row.length, row.bytes);
    session.withLength = row.withLength;
    Search(row.pattern);
    EXPECT_EQ(ListLines(), row.lines);
  }
}

TEST_F(RunSearchTest, StopsAtTheMaximumEvenOnTheLastWord) {
  const Lines words = FourLetterWords(150);
  WriteWords(4, JoinLines(words));
  Search("....");
  ASSERT_EQ(ListLines().size(), 101u);
  EXPECT_EQ(ListLines()[99], words[99]);
  EXPECT_EQ(ListLines().back(), "Maximum: 100");
  EXPECT_NE(view.progress, 100) << "the bar reaches its end only when the run completes";

  WriteWords(4, JoinLines(Lines(words.begin(), words.begin() + 100)));
  Search("....");
  EXPECT_EQ(ListLines().back(), "Maximum: 100");

  form.maxResults = 1000;
  Search("....");
  EXPECT_EQ(ListLines().back(), "Totaal: 100");
}

struct FilterRow {
  const char* mustContain;
  const char* mustNotContain;
  Lines lines;
};

TEST_F(RunSearchTest, FiltersTheWordBeforeItsDecoration) {
  WriteWords(4, "BAAN\nBEAT\nBEEN\nROOS\nROTS\n");
  const FilterRow rows[] = {
      {"AE", "", {"BEAT", "Totaal: 1"}},
      {"EE", "", {"BEAT", "BEEN", "Totaal: 2"}},  // a letter given twice is needed once
      {"", "S", {"BAAN", "BEAT", "BEEN", "Totaal: 3"}},
      {"B", "TN", {"Totaal: 0"}},
  };
  for (const FilterRow& row : rows) {
    SCOPED_TRACE(std::string(row.mustContain) + "/" + row.mustNotContain);
    form.mustContain = row.mustContain;
    form.mustNotContain = row.mustNotContain;
    Search("....");
    EXPECT_EQ(ListLines(), row.lines);
  }
  // ROOS + T fails: the T of its decoration is no letter of the word.
  form.mustContain = "T";
  form.mustNotContain = "";
  Search("ROOST", SearchType::Subset);
  EXPECT_EQ(ListLines(), (Lines{"ROTS + O", "Totaal: 1"}));
}

TEST_F(RunSearchTest, AddsLinesByTheIjRuleAndTheCaseMode) {
  WriteWords(3, "IJS\nBIJ\nZEN\n");
  WriteWords(7, "ROOSTEN\n");
  Search("...");
  EXPECT_EQ(ListLines(), (Lines{"ZEN", "Totaal: 1"})) << "IJ lines are neither shown nor counted";
  ToggleIjOneLetter(session);
  Search("...");
  EXPECT_EQ(ListLines(), (Lines{"IJS", "BIJ", "ZEN", "Totaal: 3"}));

  session.upperCaseMode = 0;
  session.withLength = 1;
  Search("Z..");
  EXPECT_EQ(ListLines(), (Lines{" 3. zen", "Totaal: 1"}));
  EXPECT_EQ(session.resultBackup.Strings(), (Lines{" 3. zen"})) << "the backup holds the lines as shown";
  session.withLength = 0;
  Search("ROOS", SearchType::Anagram);
  EXPECT_EQ(ListLines(), (Lines{"roosten - ten", "Totaal: 1"}));
}

TEST_F(RunSearchTest, AFrontEndThatNeverRestoresKeepsNoBackup) {
  WriteWords(3, "ZEN\nBAK\n");
  Search("...");
  ASSERT_EQ(session.resultBackup.size(), 2u);
  session.keepsResultBackup = false;
  Search("Z..");
  EXPECT_EQ(ListLines(), (Lines{"ZEN", "Totaal: 1"}));
  EXPECT_TRUE(session.resultBackup.empty()) << "nor the lines of the search before";
}

struct SummaryRow {
  SearchType type;
  const char* pattern;
  Lines lines;
};

TEST_F(RunSearchTest, SummaryLineNamesTheTargetOfProductSumAndTelephone) {
  WriteWords(2, "EA\nCC\nZZ\n");
  WriteWords(3, "DEF\nBEL\nAAP\n");
  WriteWords(5, "HALLO\nTAKEN\n");
  const SummaryRow rows[] = {
      {SearchType::Product, "120", {"DEF", "BEL", "Totaal: 2, n = 120"}},
      {SearchType::Sum, "abc 2 2", {"EA", "CC", "Totaal: 2, n = 6"}},
      {SearchType::Telephone, "HALLO", {"HALLO", "Totaal: 1, n = 42556"}},
      {SearchType::Sequence, "HALLO", {"HALLO", "Totaal: 1"}},
  };
  for (const SummaryRow& row : rows) {
    SCOPED_TRACE(row.pattern);
    Search(row.pattern, row.type);
    EXPECT_EQ(ListLines(), row.lines);
  }
}

TEST_F(RunSearchTest, HistoryTakesAPatternOnlyWhenNoEntryBeginsWithIt) {
  Search("ROOST");
  Search("ROOS");
  Search("roos");
  EXPECT_EQ(view.history, (Lines{"ROOST"}));
  Search("r..s");
  Search("A**B");
  EXPECT_EQ(view.history, (Lines{"R..S", "ROOST"})) << "upper-cased; a refused one never";
}

TEST_F(RunSearchTest, RefusesAPatternWithItsTextAsTyped) {
  WriteWords(4, "ROOS\n");
  Search("R..S");
  session.sortMode = 2;
  Search("r**s");
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "r**s");
  EXPECT_EQ(view.messages[0].caption, "Patroon fout");
  EXPECT_EQ(view.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(ListLines().empty());
  EXPECT_TRUE(session.resultBackup.empty());
  EXPECT_EQ(session.sortMode, 0);
}

TEST_F(RunSearchTest, WithoutAWordSourceKeepsTheListAndEmptiesTheBackup) {
  WriteWords(4, "ROOS\n");
  Search("R..S");
  prefix.clear();
  Search("R..S");
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "Specificeer woordbestand");
  EXPECT_EQ(view.messages[0].caption, "Fout");
  EXPECT_EQ(ListLines(), (Lines{"ROOS", "Totaal: 1"}));
  EXPECT_TRUE(session.resultBackup.empty());

  prefix = folder.Path() + "/w";
  Search(std::string(300, '.'));
  ASSERT_EQ(view.messages.size(), 2u);
  EXPECT_EQ(view.messages[1].text, kTooLongMessage);
  EXPECT_EQ(ListLines(), (Lines{"ROOS", "Totaal: 1"})) << "no search with the refused text";
}

// 30,000 words of five bytes each: pumps after line 10,001 and 20,002.
class RunSearchPumpTest : public SessionFixture {
 protected:
  RunSearchPumpTest() {
    session.ijOneLetter = 0;
    form.maxResults = 1'000'000;
    words = FourLetterWords(30'000);
    std::reverse(words.begin(), words.end());
    WriteWords(4, JoinLines(words));
  }
  Lines words;
};

TEST_F(RunSearchPumpTest, MovesTheBarByBytesAcrossFilesEvery10001Lines) {
  std::vector<int> seen;
  view.onPump = [&] { seen.push_back(view.progress); };
  Search("....");
  EXPECT_EQ(seen, (std::vector<int>{33, 66}));  // 50,005 and 100,010 of 150,000 bytes
  EXPECT_EQ(ListLines().back(), "Totaal: 30000");
  EXPECT_EQ(view.progress, 100);

  seen.clear();
  WriteWords(3, JoinLines(Lines(10'000, "ABC")));  // 40,000 bytes read before the four-letter file
  Search(".*");
  EXPECT_EQ(seen, (std::vector<int>{47, 73}));  // the counter starts afresh in every file
}

TEST_F(RunSearchPumpTest, InterruptStopsAfterTheLineBeingTested) {
  view.onPump = [&] { RequestStop(session); };
  Search("....");
  EXPECT_EQ(view.pumpCount, 1);
  EXPECT_EQ(ListLines().size(), 10'002u);
  EXPECT_EQ(ListLines().back(), "Onderbroken: 10001e");
  EXPECT_EQ(view.progress, 33) << "the bar keeps its last position";
}

TEST_F(RunSearchPumpTest, CommandsInThePumpWorkOnTheLinesPresent) {
  bool searchRan = true;
  view.onPump = [&] {
    if (view.pumpCount > 1) return;
    searchRan = Press(ids::kGaZoeken) || Press(ids::kDoorzoeken);
    Press(ids::kSorteer);
  };
  Search("....");
  EXPECT_FALSE(searchRan) << "no search or narrowing inside a running search";
  // The sort took line 10,000 for the summary line: it stays last, the 9,999 before it are sorted.
  Lines expected(words.begin(), words.begin() + 9'999);
  std::sort(expected.begin(), expected.end());
  expected.insert(expected.end(), words.begin() + 9'999, words.end());
  expected.push_back("Totaal: 30000");
  EXPECT_EQ(ListLines(), expected);
  EXPECT_EQ(session.resultBackup.Strings(), words) << "the backup keeps the order found";
}

TEST_F(RunSearchPumpTest, ARestoreInThePumpShowsTheLinesFoundSoFarAndTheBackupStaysWhole) {
  view.onPump = [&] {
    if (view.pumpCount == 1) Press(ids::kVorige);
  };
  Search("....");
  Lines expected(words.begin(), words.begin() + 10'000);
  expected.push_back("10000 regels hersteld");
  expected.insert(expected.end(), words.begin() + 10'000, words.end());
  expected.push_back("Totaal: 30001");
  EXPECT_EQ(ListLines(), expected);
  EXPECT_EQ(session.resultBackup.Strings(), words);
}

// The list and the backup hold the lines of a search together; every later change of the list is
// its own, and the next search's lines replace the backup's.
TEST_F(RunSearchPumpTest, RestoreBringsBackEachSearchsLinesAfterNarrowingAndSorting) {
  Search("A...");
  const Lines firstFound(words.end() - 26 * 26 * 26, words.end());
  ASSERT_EQ(ListLines().size(), firstFound.size() + 1);
  form.pattern = "AA..";
  ASSERT_TRUE(Press(ids::kDoorzoeken));
  EXPECT_EQ(ListLines().back(), "Doorzoeken gevonden: 676.");
  Press(ids::kVorige);
  Lines expected = firstFound;
  expected.push_back("17576 regels hersteld");
  EXPECT_EQ(ListLines(), expected);

  Search("B...");
  Press(ids::kSorteer);
  Press(ids::kVorige);
  expected.assign(words.begin(), words.end() - 26 * 26 * 26);
  expected.push_back("12424 regels hersteld");
  EXPECT_EQ(ListLines(), expected);
}

}  // namespace
}  // namespace kwintel
