#include "ports/control_ids.h"
#include "session_fixture.h"
#include "shell/result_commands.h"

namespace kwintel {
namespace {

using Lines = std::vector<std::string>;
using ToggleRestoreTest = testing_support::SessionFixture;

TEST_F(ToggleRestoreTest, ToggleFlipsModeAndCaptionButNotTheLinesOnShow) {
  Show({"AAP", "Totaal: 1"});
  ToggleCase(session);
  EXPECT_EQ(session.upperCaseMode, 0);
  EXPECT_EQ(view.texts[ids::kHoofdKlein], "Klein");
  ToggleCase(session);
  EXPECT_EQ(session.upperCaseMode, 1);
  EXPECT_EQ(view.texts[ids::kHoofdKlein], "Hoofd");
  EXPECT_EQ(Shown(), (Lines{"AAP", "Totaal: 1"}));
}

TEST_F(ToggleRestoreTest, RestoreBeforeAnySearchShowsOnlyTheZeroSummary) {
  Show({"stale", "Doorzoeken gevonden: 1."});
  RestoreResults(session);
  EXPECT_EQ(Shown(), Lines{"0 regels hersteld"});
}

TEST_F(ToggleRestoreTest, RestoreUndoesSortAndNarrowingButKeepsTheModes) {
  session.resultBackup = {"bak", "aap", "zee"};  // found while "Klein" was on
  Show({"bak", "aap", "zee", "Totaal: 3"});
  SortResults(session);
  SortResults(session);
  ToggleCase(session);
  ToggleCase(session);
  ToggleCase(session);
  results.Delete(0);
  RestoreResults(session);
  EXPECT_EQ(Shown(), (Lines{"bak", "aap", "zee", "3 regels hersteld"}));
  EXPECT_EQ(session.sortMode, 2);
  EXPECT_EQ(session.upperCaseMode, 0);
  RestoreResults(session);  // as often as wanted, always the same
  EXPECT_EQ(Shown(), (Lines{"bak", "aap", "zee", "3 regels hersteld"}));
  EXPECT_EQ(session.resultBackup.Strings(), (Lines{"bak", "aap", "zee"}));
}

}  // namespace
}  // namespace kwintel
