// The in-memory result list: its selection follows the lines through appends and deletions, though
// it only grows when a line is selected.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/memory_result_list.h"

namespace kwintel {
namespace {

TEST(MemoryResultListTest, SelectionFollowsItsLinesThroughAppendsAndDeletions) {
  MemoryResultList list;
  for (int i = 0; i < 4; ++i) list.Append("regel " + std::to_string(i));
  EXPECT_TRUE(list.SelectedIndices().empty());

  list.Select(1);
  list.Select(3);
  for (int i = 4; i < 8; ++i) list.Append("regel " + std::to_string(i));
  list.Select(6);
  list.Select(9);  // no such line
  EXPECT_EQ(list.SelectedIndices(), (std::vector<int>{1, 3, 6}));

  list.Delete(0);
  list.Delete(6);  // the last line, past any selected one
  EXPECT_EQ(list.SelectedIndices(), (std::vector<int>{0, 2, 5}));
  EXPECT_EQ(list.Count(), 6);
  EXPECT_EQ(list.Text(5), "regel 6");

  list.Select(2, false);
  list.Append("nieuw");
  list.Select(6);
  EXPECT_EQ(list.SelectedIndices(), (std::vector<int>{0, 5, 6}));

  list.Clear();
  list.Append("opnieuw");
  EXPECT_TRUE(list.SelectedIndices().empty()) << "a line added after a clear starts unselected";
}

}  // namespace
}  // namespace kwintel
