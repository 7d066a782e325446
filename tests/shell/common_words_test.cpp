// "Gangbaar": a search that lists the lines of its most common words first.

#include <gtest/gtest.h>

#include "run_search_fixture.h"
#include "shell/auxiliary_commands.h"
#include "shell/command_table.h"
#include "shell/common_words.h"
#include "shell/result_commands.h"

namespace kwintel {
namespace {

using testing_support::DialogFixture;
using testing_support::Lines;

class CommonWordsTest : public DialogFixture {
 protected:
  CommonWordsTest() {
    WriteWords(4, "RAAS\nREIS\nRIJS\nROOS\nROTS\nRUIS\n");
    // REIS and RUIS tie: they keep the order in which they were found. A damaged line and a word
    // that is no word of the set change nothing; RAAS is not listed and counts 0.
    folder.Write("w.FRQ", "REIS\t7\nRIJS\t90\nROOS\t50\nRUIS\t7\nROTS\t3\nkapot\nZZZZ\t1000\n");
    ShowCommonAvailability(dialog);
    RunCommand(dialog, ids::kGangbaar);
  }
};

TEST_F(CommonWordsTest, HighestCountsFirstTiesInFoundOrderAndTheIjRule) {
  Search("R..S");
  // RIJS has the highest count, but the IJ rule drops it before it is counted.
  EXPECT_EQ(ListLines(), (Lines{"ROOS", "REIS", "RUIS", "ROTS", "RAAS", "Totaal: 5"}));
  RestoreResults(dialog);
  EXPECT_EQ(ListLines(), (Lines{"ROOS", "REIS", "RUIS", "ROTS", "RAAS", "5 regels hersteld"}));
}

TEST_F(CommonWordsTest, TheMaximumKeepsTheBestAndSaysSo) {
  dialog.maxResultsOverride = 2;
  view.SetText(ids::kZonderFilter, "O");  // filters refuse before counting: ROOS never competes
  Search("R..S");
  EXPECT_EQ(ListLines(), (Lines{"REIS", "RUIS", "Maximum: 2"}));
}

TEST_F(CommonWordsTest, AnInterruptListsTheBestOfTheWordsReadSoFar) {
  std::string words = "ROOS\n";
  for (const std::string& word : testing_support::FourLetterWords(25'000)) words += word + "\n";
  WriteWords(4, words);
  view.onPump = [this] { RequestStop(dialog); };
  Search("....");
  const Lines lines = ListLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "ROOS");
  EXPECT_EQ(lines.back().rfind("Onderbroken: ", 0), 0u) << lines.back();
}

TEST_F(CommonWordsTest, OffItListsAsAlwaysAndWithoutCountsTheBoxIsOffAndDisabled) {
  RunCommand(dialog, ids::kGangbaar);
  EXPECT_FALSE(view.IsChecked(ids::kGangbaar));
  Search("R..S");
  EXPECT_EQ(ListLines(), (Lines{"RAAS", "REIS", "ROOS", "ROTS", "RUIS", "Totaal: 5"}));

  RunCommand(dialog, ids::kGangbaar);
  EXPECT_TRUE(view.IsChecked(ids::kGangbaar));
  EXPECT_EQ(view.disabled.count(ids::kGangbaar), 0u);
  wordFilePrefix = folder.Path() + "/geen";
  ShowCommonAvailability(dialog);
  EXPECT_FALSE(view.IsChecked(ids::kGangbaar));
  EXPECT_EQ(view.disabled.count(ids::kGangbaar), 1u);
  EXPECT_EQ(CountsOfSet(wordFilePrefix), nullptr);
}

}  // namespace
}  // namespace kwintel
