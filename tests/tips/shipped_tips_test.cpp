// The tips file we ship: read by the same rules as the program reads it.

#include <set>
#include <string>

#include "tips/tip_of_day.h"
#include "tips_fixture.h"

namespace kwintel {
namespace {

TEST_F(TipsTest, TheShippedFileHoldsAtLeast25TipsThatCycle) {
  TipOfDay tip(profile_, messages_, KWINTEL_SOURCE_DIR "/resources/tips.txt");
  ASSERT_TRUE(tip.HasTipsFile());
  const std::string first = tip.TipText();
  std::set<std::string> seen;
  do {
    EXPECT_TRUE(seen.insert(tip.TipText()).second) << "twice: " << tip.TipText();
    EXPECT_LT(tip.TipText().size(), 999u);
    EXPECT_EQ(tip.TipText().find('\r'), std::string::npos);
    tip.ReadNextTip();
  } while (tip.TipText() != first && seen.size() < 1000);
  EXPECT_GE(seen.size(), 25u);
  EXPECT_TRUE(messages_.shown.empty());
}

}  // namespace
}  // namespace kwintel
