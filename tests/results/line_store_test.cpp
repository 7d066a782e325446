// The line store behind the result lists and the search's backup: lines keep their bytes and
// order through growth, erasing and clearing, whatever their length.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/line_store.h"

namespace kwintel {
namespace {

TEST(LineStoreTest, LinesOfEverySizeSurviveManyBlocks) {
  LineStore store;
  std::vector<std::string> expected;
  // Sizes around each inline copy's bounds, and enough lines to fill several blocks.
  for (int i = 0; i < 300'000; ++i) {
    std::string line(static_cast<std::size_t>(i % 21), static_cast<char>('A' + i % 26));
    if (!line.empty()) line.back() = static_cast<char>('0' + i % 10);
    store.push_back(line);
    expected.push_back(line);
  }
  const std::string huge(3u << 20, 'H');  // larger than a block
  store.push_back(huge);
  expected.push_back(huge);
  store.push_back("after");
  expected.push_back("after");
  ASSERT_EQ(store.size(), expected.size());
  EXPECT_EQ(store.Strings(), expected);
}

TEST(LineStoreTest, EraseClearAndCopy) {
  LineStore store = {"een", "twee", "drie"};
  store.erase(1);
  store.erase(7);  // out of range: nothing
  EXPECT_EQ(store.Strings(), (std::vector<std::string>{"een", "drie"}));

  const LineStore copy = store;
  store.clear();
  EXPECT_TRUE(store.empty());
  EXPECT_EQ(copy.Strings(), (std::vector<std::string>{"een", "drie"})) << "a copy owns its bytes";

  // After a clear the blocks are reused; old lines must not show through.
  store.push_back("vier");
  store.push_back("");
  EXPECT_EQ(store.Strings(), (std::vector<std::string>{"vier", ""}));

  // A line taken from the store itself.
  store.push_back(store[0]);
  EXPECT_EQ(store[2], "vier");
}

}  // namespace
}  // namespace kwintel
