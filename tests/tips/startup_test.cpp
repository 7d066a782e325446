#include <optional>
#include <string>
#include <vector>

#include "tips/startup_switches.h"
#include "tips/startup_tip.h"
#include "tips_fixture.h"

namespace kwintel {
namespace {

TEST(TipSuppressedBySwitches, OnlyEmbeddingAndAutomationAfterSlashOrDash) {
  struct Row {
    std::vector<std::string> arguments;
    bool suppressed;
  };
  const Row rows[] = {
      {{}, false},
      {{"/Automation"}, true},
      {{"-embedding"}, true},
      {{"-EMBEDDING"}, true},
      {{"/aUtOmAtIoN"}, true},
      {{"woorden.txt", "-Embedding"}, true},
      {{"Embedding"}, false},
      {{"--embedding"}, false},
      {{"/Embeddingx"}, false},
      {{"-Auto"}, false},
      {{"/"}, false},
      {{""}, false},
  };
  for (const Row& row : rows) {
    std::string shown = row.arguments.empty() ? "(none)" : row.arguments.back();
    EXPECT_EQ(TipSuppressedBySwitches(row.arguments), row.suppressed) << shown;
  }
}

class StartupTipTest : public TipsTest {
 protected:
  // One start of the program; the tips it shows, and what the user does in the dialog.
  std::vector<std::string> Start(const std::vector<std::string>& arguments,
                                 const std::function<void(TipOfDay&)>& user = nullptr) {
    std::vector<std::string> shown;
    StartupTip(arguments, profile_, messages_, TipsPath(), [&](TipOfDay& tip) {
      shown.push_back(tip.TipText());
      if (user) user(tip);
    });
    return shown;
  }
};

using StringVector = std::vector<std::string>;

TEST_F(StartupTipTest, FirstRunWithoutSettingsShowsTheFirstTip) {
  WriteTips("Een\nTwee\nDrie\n");
  EXPECT_EQ(Start({}), StringVector{"Een"});
  EXPECT_EQ(Start({}), StringVector{"Twee"});
}

TEST_F(StartupTipTest, SwitchesSuppressTheTipAndKeepThePlace) {
  WriteTips("Een\nTwee\nDrie\n");
  EXPECT_EQ(Start({}), StringVector{"Een"});
  EXPECT_TRUE(Start({"/Automation"}).empty());
  EXPECT_TRUE(Start({"-embedding"}).empty());
  EXPECT_EQ(Start({}), StringVector{"Twee"});
}

TEST_F(StartupTipTest, UncheckedAndClosedWithSluitenHidesTipsYetMovesOnEachStart) {
  WriteTips("Een\nTwee\nDrie\nVier\n");
  EXPECT_EQ(Start({}, [](TipOfDay& tip) { tip.Confirm(false); }), StringVector{"Een"});
  EXPECT_EQ(profile_.Find("Tip", "StartUp"), "1");
  // Two starts without a dialog, each moving on by one tip.
  EXPECT_TRUE(Start({}).empty());
  EXPECT_TRUE(Start({}).empty());
  profile_.WriteInt("Tip", "StartUp", 0);
  EXPECT_EQ(Start({}), StringVector{"Vier"});
}

TEST_F(StartupTipTest, ClosedWithoutSluitenWritesNoStartUp) {
  // Escape or the close box: the dialog calls nothing on the tip object.
  WriteTips("Een\nTwee\n");
  EXPECT_EQ(Start({}, [](TipOfDay&) {}), StringVector{"Een"});
  EXPECT_EQ(profile_.Find("Tip", "StartUp"), std::nullopt);
  EXPECT_EQ(Start({}), StringVector{"Twee"});
}

TEST_F(StartupTipTest, ClosingAfterTheSecondTipStartsNextTimeAtTheThird) {
  WriteTips("Een\nTwee\nDrie\n");
  EXPECT_EQ(Start({}, [](TipOfDay& tip) { tip.ReadNextTip(); }), StringVector{"Een"});
  EXPECT_EQ(Start({}), StringVector{"Drie"});
}

TEST_F(StartupTipTest, AMissingTipsFileStillShowsTheDialog) {
  EXPECT_EQ(Start({}), StringVector{"Tips file does not exist in the prescribed directory"});
  EXPECT_EQ(profile_.Find("Tip", "FilePos"), std::nullopt);
}

}  // namespace
}  // namespace kwintel
