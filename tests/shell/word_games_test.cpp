// Wordfeud, Scrabble and Lingo as the dialog runs them: best score first, "Gangbaar" among equal
// scores, the maximum, the narrowing of scored lines and Lingo's refusals.

#include <gtest/gtest.h>

#include "session_fixture.h"
#include "shell/auxiliary_commands.h"
#include "shell/common_words.h"
#include "shell/narrow_results.h"

namespace kwintel {
namespace {

using testing_support::Lines;
using testing_support::SessionFixture;

class WordGamesTest : public SessionFixture {
 protected:
  WordGamesTest() {
    WriteWords(3, "KAT\nTAK\nRAT\nZEE\n");
    WriteWords(4, "KAAR\nKRAT\nTRAK\n");
  }
};

TEST_F(WordGamesTest, BestScoreFirstEqualScoresInFoundOrder) {
  // Wordfeud: K3 A1 T2 R2; the blank lays the second A of KAAR for nothing.
  Search("KART?", SearchType::Wordfeud);
  EXPECT_EQ(ListLines(), (Lines{"KRAT 8", "TRAK 8", "KAT 6", "TAK 6", "KAAR 6", "RAT 5", "Totaal: 6"}));
  form.maxResults = 2;
  Search("KART", SearchType::Scrabble);
  EXPECT_EQ(ListLines(), (Lines{"KRAT 8", "TRAK 8", "Maximum: 2"}));
}

TEST_F(WordGamesTest, GangbaarOrdersEqualScoresByCount) {
  folder.Write("w.FRQ", "KAT\t5\nTAK\t50\nTRAK\t3\n");
  ChooseSet();
  ShowCommonAvailability(session);
  Press(ids::kGangbaar);
  Search("KART?", SearchType::Wordfeud);
  EXPECT_EQ(ListLines(), (Lines{"TRAK 8", "KRAT 8", "TAK 6", "KAT 6", "KAAR 6", "RAT 5", "Totaal: 6"}));
}

TEST_F(WordGamesTest, NarrowingTestsTheWordOfAScoredLine) {
  ToggleWithLength(session);
  Search("KART?", SearchType::Wordfeud);
  form.pattern = "KART .A.";  // ZEE and the four-letter words are out
  NarrowResults(session, Controls());
  EXPECT_EQ(ListLines(), (Lines{" 3. KAT 6", " 3. TAK 6", " 3. RAT 5", "Doorzoeken gevonden: 3."}));
}

TEST_F(WordGamesTest, LingoLeavesTheWordsTheColoursAllowAndSaysWhyItRefuses) {
  Search("tak/ogo", SearchType::Lingo);
  EXPECT_EQ(ListLines(), (Lines{"KAT", "Totaal: 1"}));
  Search("TAK/OGO KRAT/G...", SearchType::Lingo);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].caption, "Patroon fout");
  EXPECT_EQ(view.messages[0].text, "Alle gokken moeten even lang zijn");
}

}  // namespace
}  // namespace kwintel
