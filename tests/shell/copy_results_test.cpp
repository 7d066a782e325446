// "Kopieer": the selected lines to the clipboard, and the form of the last search back in the
// controls.

#include <new>

#include "session_fixture.h"
#include "shell/result_commands.h"

namespace kwintel {
namespace {

class CopyTest : public testing_support::SessionFixture {
 protected:
  CopyTest() {
    Show({"AAP", "BAK", "ZEE", "KAT", "Totaal: 4"});
    session.form.pattern = "A..";
    session.form.type = SearchType::Anagram;
  }
};

TEST_F(CopyTest, SelectedLinesGoInListOrderAndTheFormComesBack) {
  for (const int line : {3, 1, 2}) results.Select(line);
  CopyResults(session);
  EXPECT_EQ(platform.clipboard, "BAK\nZEE\nKAT\n");
  ASSERT_TRUE(view.shownForm.has_value());
  EXPECT_EQ(view.shownForm->pattern, "A..");
  EXPECT_EQ(view.shownForm->type, SearchType::Anagram);
  EXPECT_TRUE(view.messages.empty());

  for (int line = 0; line < 5; ++line) results.Select(line, line == 4);
  CopyResults(session);
  EXPECT_EQ(platform.clipboard, "Totaal: 4\n");
}

TEST_F(CopyTest, NoSelectionDoesNothing) {
  CopyResults(session);
  EXPECT_FALSE(platform.clipboard.has_value());
  EXPECT_FALSE(view.shownForm.has_value());
  EXPECT_TRUE(view.messages.empty());
}

// A list whose lines cannot be fetched for want of memory.
class StarvedList : public MemoryResultList {
 public:
  std::string Text(int) const override { throw std::bad_alloc(); }
};

TEST(CopyResultsWithoutMemory, SaysSoAndTouchesNeitherClipboardNorForm) {
  MemoryView view;
  StarvedList starved;
  MemoryPlatform platform;
  Session session(view, starved, platform);
  starved.Append("AAP");
  starved.Select(0);
  platform.clipboard = "before";
  CopyResults(session);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "Onvoldoende geheugen");
  EXPECT_EQ(view.messages[0].caption, "Oei");
  EXPECT_EQ(view.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(platform.clipboard, "before");
  EXPECT_FALSE(view.shownForm.has_value());
}

}  // namespace
}  // namespace kwintel
