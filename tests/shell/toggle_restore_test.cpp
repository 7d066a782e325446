#include "ports/control_ids.h"
#include "result_fixture.h"
#include "results/result_state.h"
#include "shell/result_commands.h"

namespace kwintel {
namespace {

using Lines = std::vector<std::string>;
using ToggleRestoreTest = ResultFixture;

TEST_F(ToggleRestoreTest, ToggleFlipsModeAndCaptionButNotTheLinesOnShow) {
  Show({"AAP", "Totaal: 1"});
  ToggleCase(dialog);
  EXPECT_EQ(upperCaseMode, 0);
  EXPECT_EQ(view.GetText(ids::kHoofdKlein), "Klein");
  ToggleCase(dialog);
  EXPECT_EQ(upperCaseMode, 1);
  EXPECT_EQ(view.GetText(ids::kHoofdKlein), "Hoofd");
  EXPECT_EQ(Shown(), (Lines{"AAP", "Totaal: 1"}));
}

TEST_F(ToggleRestoreTest, RestoreBeforeAnySearchShowsOnlyTheZeroSummary) {
  Show({"stale", "Doorzoeken gevonden: 1."});
  RestoreResults(dialog);
  EXPECT_EQ(Shown(), Lines{"0 regels hersteld"});
}

TEST_F(ToggleRestoreTest, RestoreUndoesSortAndNarrowingButKeepsTheModes) {
  dialog.resultBackup = {"bak", "aap", "zee"};  // found while "Klein" was on
  Show({"bak", "aap", "zee", "Totaal: 3"});
  SortResults(dialog);
  SortResults(dialog);
  ToggleCase(dialog);
  ToggleCase(dialog);
  ToggleCase(dialog);
  view.results.Delete(0);
  RestoreResults(dialog);
  EXPECT_EQ(Shown(), (Lines{"bak", "aap", "zee", "3 regels hersteld"}));
  EXPECT_EQ(sortMode, 2);
  EXPECT_EQ(upperCaseMode, 0);
  RestoreResults(dialog);  // as often as wanted, always the same
  EXPECT_EQ(Shown(), (Lines{"bak", "aap", "zee", "3 regels hersteld"}));
  EXPECT_EQ(dialog.resultBackup.Strings(), (Lines{"bak", "aap", "zee"}));
}

}  // namespace
}  // namespace kwintel
