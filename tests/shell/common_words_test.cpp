// "Gangbaar": a search that lists the lines of its most common words first.

#include <gtest/gtest.h>

#include "session_fixture.h"
#include "shell/auxiliary_commands.h"
#include "shell/common_words.h"
#include "shell/result_commands.h"

namespace kwintel {
namespace {

using testing_support::Lines;
using testing_support::SessionFixture;

class CommonWordsTest : public SessionFixture {
 protected:
  CommonWordsTest() {
    WriteWords(4, "RAAS\nREIS\nRIJS\nROOS\nROTS\nRUIS\n");
    // REIS and RUIS tie: they keep the order in which they were found. A damaged line and a word
    // that is no word of the set change nothing; RAAS is not listed and counts 0.
    folder.Write("w.FRQ", "REIS\t7\nRIJS\t90\nROOS\t50\nRUIS\t7\nROTS\t3\nkapot\nZZZZ\t1000\n");
    ChooseSet();
    ShowCommonAvailability(session);
    Press(ids::kGangbaar);
  }
};

TEST_F(CommonWordsTest, HighestCountsFirstTiesInFoundOrderAndTheIjRule) {
  Search("R..S");
  // RIJS has the highest count, but the IJ rule drops it before it is counted.
  EXPECT_EQ(ListLines(), (Lines{"ROOS", "REIS", "RUIS", "ROTS", "RAAS", "Totaal: 5"}));
  RestoreResults(session);
  EXPECT_EQ(ListLines(), (Lines{"ROOS", "REIS", "RUIS", "ROTS", "RAAS", "5 regels hersteld"}));
}

TEST_F(CommonWordsTest, TheMaximumKeepsTheBestAndSaysSo) {
  form.maxResults = 2;
  form.mustNotContain = "O";  // filters refuse before counting: ROOS never competes
  Search("R..S");
  EXPECT_EQ(ListLines(), (Lines{"REIS", "RUIS", "Maximum: 2"}));
}

TEST_F(CommonWordsTest, AMeerwoordLineCountsAsItsRarestWord) {
  WriteWords(4, "ROOS\nREIS\nSIER\nSOOR\n");
  Search("ROOSREIS 4,4", SearchType::MultiWordAnagram);
  // ROOS REIS: 7; REIS ROOS: 7, found later; SOOR (0) and SIER (0) last.
  EXPECT_EQ(ListLines(), (Lines{"ROOS REIS", "REIS ROOS", "ROOS SIER", "REIS SOOR", "SIER ROOS", "SIER SOOR",
                                "SOOR REIS", "SOOR SIER", "Totaal: 8"}));
}

TEST_F(CommonWordsTest, AnInterruptListsTheBestOfTheWordsReadSoFar) {
  std::string words = "ROOS\n";
  for (const std::string& word : testing_support::FourLetterWords(25'000)) words += word + "\n";
  WriteWords(4, words);
  view.onPump = [this] { RequestStop(session); };
  Search("....");
  const Lines lines = ListLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "ROOS");
  EXPECT_EQ(lines.back().rfind("Onderbroken: ", 0), 0u) << lines.back();
}

TEST_F(CommonWordsTest, OffItListsAsAlwaysAndWithoutCountsTheBoxIsOffAndDisabled) {
  Press(ids::kGangbaar);
  EXPECT_FALSE(view.IsChecked(ids::kGangbaar));
  Search("R..S");
  EXPECT_EQ(ListLines(), (Lines{"RAAS", "REIS", "ROOS", "ROTS", "RUIS", "Totaal: 5"}));

  Press(ids::kGangbaar);
  EXPECT_TRUE(view.IsChecked(ids::kGangbaar));
  EXPECT_EQ(view.disabled.count(ids::kGangbaar), 0u);
  prefix = folder.Path() + "/geen";
  ChooseSet();
  ShowCommonAvailability(session);
  EXPECT_FALSE(view.IsChecked(ids::kGangbaar));
  EXPECT_EQ(view.disabled.count(ids::kGangbaar), 1u);
}

}  // namespace
}  // namespace kwintel
