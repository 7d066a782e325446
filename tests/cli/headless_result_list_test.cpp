#include "cli/headless_result_list.h"

#include <gtest/gtest.h>

#include <string>

namespace kwintel::cli {
namespace {

TEST(HeadlessResultListTest, KeepsEveryLineAcrossBlocksAndViewsStayValid) {
  HeadlessResultList list;
  list.Append("ROOS");
  const std::string_view first = list.View(0);
  const std::string big(3 << 20, 'X');  // larger than a block
  list.Append(big);
  for (int i = 0; i < 200000; ++i) list.Append("WOORD" + std::to_string(i));
  list.Append("");
  ASSERT_EQ(list.Count(), 200003);
  EXPECT_EQ(first, "ROOS");  // appends never move earlier lines
  EXPECT_EQ(list.Text(1), big);
  EXPECT_EQ(list.Text(2), "WOORD0");
  EXPECT_EQ(list.Text(200001), "WOORD199999");
  EXPECT_EQ(list.Text(200002), "");
  EXPECT_EQ(list.Text(-1), "");
  EXPECT_EQ(list.Text(200003), "");
}

TEST(HeadlessResultListTest, DeleteClearAndRefill) {
  HeadlessResultList list;
  for (const char* line : {"AAP", "BAK", "ZEE", "Totaal: 3"}) list.Append(line);
  list.Delete(1);
  list.Delete(7);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Text(0), "AAP");
  EXPECT_EQ(list.Text(1), "ZEE");
  EXPECT_EQ(list.Text(2), "Totaal: 3");
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  list.Append("ZEE");
  list.Append("3 regels hersteld");
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Text(0), "ZEE");
  EXPECT_EQ(list.Text(1), "3 regels hersteld");
  EXPECT_TRUE(list.SelectedIndices().empty());
}

}  // namespace
}  // namespace kwintel::cli
