#include <new>

#include "ports/control_ids.h"
#include "result_fixture.h"
#include "shell/result_commands.h"

namespace kwintel {
namespace {

class CopyTest : public ResultFixture {
 protected:
  void SetUp() override {
    ResultFixture::SetUp();
    Show({"AAP", "BAK", "ZEE", "KAT", "Totaal: 4"});
    dialog.pattern = "A..";
    dialog.searchTypeIndex = 0;
    view.SetText(ids::kPatternBox, "typed since");
  }
};

TEST_F(CopyTest, SelectedLinesGoInListOrderAndTheFormComesBack) {
  for (const int line : {3, 1, 2}) view.results.Select(line);
  CopyResults(dialog);
  EXPECT_EQ(platform.clipboard, "BAK\nZEE\nKAT\n");
  EXPECT_EQ(view.GetText(ids::kPatternBox), "A..");
  EXPECT_TRUE(view.IsChecked(ids::kVolgorde));
  EXPECT_TRUE(view.messages.empty());

  for (int line = 0; line < 5; ++line) view.results.Select(line, line == 4);
  CopyResults(dialog);
  EXPECT_EQ(platform.clipboard, "Totaal: 4\n");
}

TEST_F(CopyTest, NoSelectionDoesNothing) {
  CopyResults(dialog);
  EXPECT_FALSE(platform.clipboard.has_value());
  EXPECT_EQ(view.GetText(ids::kPatternBox), "typed since");
  EXPECT_TRUE(view.messages.empty());
}

// A list whose lines cannot be fetched for want of memory.
class StarvedList : public MemoryResultList {
 public:
  std::string Text(int) const override { throw std::bad_alloc(); }
};

class StarvedView : public MemoryView {
 public:
  ResultList& Results() override { return starved; }
  StarvedList starved;
};

TEST(CopyResultsWithoutMemory, SaysSoAndTouchesNeitherClipboardNorForm) {
  StarvedView view;
  MemoryPlatform platform;
  MainDialog dialog(view, platform);
  view.starved.Append("AAP");
  view.starved.Select(0);
  dialog.pattern = "A..";
  view.SetText(ids::kPatternBox, "typed since");
  platform.clipboard = "before";
  CopyResults(dialog);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "Onvoldoende geheugen");
  EXPECT_EQ(view.messages[0].caption, "Oei");
  EXPECT_EQ(view.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(platform.clipboard, "before");
  EXPECT_EQ(view.GetText(ids::kPatternBox), "typed since");
}

}  // namespace
}  // namespace kwintel
