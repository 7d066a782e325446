// The line store behind the result lists and the search's backup: lines keep their bytes and
// order through growth, erasing and clearing, whatever their length, and stores that share lines
// never see each other's changes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/line_store.h"

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

// A search fills its list and the backup side by side; afterwards each is changed on its own.
TEST(LineStoreTest, ABackupFilledBesideItsListSharesItsLinesAndKeepsThemThroughAnyChange) {
  LineStore list;
  LineStore backup;
  std::vector<std::string> found;
  const auto search = [&] {
    list.clear();
    backup.clear();
    found.clear();
    for (int i = 0; i < 50'000; ++i) {
      found.push_back("WOORD" + std::to_string(i));
      list.push_back(found.back());
      backup.PushBackLastOf(list);
    }
    list.push_back("Totaal: 50000");
  };
  search();
  ASSERT_EQ(backup.Strings(), found);
  EXPECT_EQ(backup[49'999].data(), list[49'999].data()) << "shared, not copied";

  // Cleared and refilled, as by a sort: the blocks the backup reads are not written over.
  list.clear();
  for (int i = 0; i < 50'000; ++i) list.push_back("ANDERS" + std::to_string(i));
  EXPECT_EQ(backup.Strings(), found);

  // Lines taken out, as by a narrowing.
  search();
  list.erase(0);
  list.erase(list.size() - 2);
  EXPECT_EQ(backup.Strings(), found);
  EXPECT_EQ(list.size(), 49'999u);
  EXPECT_EQ(list[0], "WOORD1");
  EXPECT_EQ(list[list.size() - 1], "Totaal: 50000");

  // The backup let go of, the list keeps its lines.
  search();
  backup.clear();
  EXPECT_EQ(list[49'999], "WOORD49999");
  list.push_back("meer");
  EXPECT_EQ(list.size(), 50'002u);
}

TEST(LineStoreTest, ABackupThatFallsOutOfStepWithItsListCopiesTheRest) {
  LineStore list;
  LineStore backup;
  // A restore before the first word is found: its summary is no found line.
  list.push_back("0 regels hersteld");
  list.push_back("een");
  backup.PushBackLastOf(list);
  // A line the list takes on its own, between two found ones.
  list.push_back("tussen");
  list.push_back("twee");
  backup.PushBackLastOf(list);
  EXPECT_EQ(backup.Strings(), (std::vector<std::string>{"een", "twee"}));

  // A restore in the middle of a search: the list is refilled from the backup, then goes on.
  list.clear();
  for (const std::string_view line : backup) list.push_back(line);
  list.push_back("2 regels hersteld");
  for (const char* word : {"drie", "vier"}) {
    list.push_back(word);
    backup.PushBackLastOf(list);
  }
  EXPECT_EQ(backup.Strings(), (std::vector<std::string>{"een", "twee", "drie", "vier"}));
  EXPECT_EQ(list.Strings(), (std::vector<std::string>{"een", "twee", "2 regels hersteld", "drie", "vier"}));

  // The list's lines are a longer run of the shared ones: the other store cannot add its own
  // after them without a copy, and the list then adds after its own.
  LineStore other;
  list.clear();
  list.push_back("vier");
  other.PushBackLastOf(list);
  list.push_back("vijf");
  other.push_back("zes");
  list.push_back("zeven");
  EXPECT_EQ(other.Strings(), (std::vector<std::string>{"vier", "zes"}));
  EXPECT_EQ(list.Strings(), (std::vector<std::string>{"vier", "vijf", "zeven"}));

  // Stores that share nothing: one line more is no reason to share.
  LineStore one = {"x"};
  const LineStore two = {"y", "z"};
  one.PushBackLastOf(two);
  EXPECT_EQ(one.Strings(), (std::vector<std::string>{"x", "z"}));

  // A line added by a copy that has let go since is no line of the store it was copied from.
  LineStore first = {"p"};
  LineStore second = first;
  second.push_back("q");
  second.clear();
  first.push_back("r");
  EXPECT_EQ(first.Strings(), (std::vector<std::string>{"p", "r"}));
}

TEST(LineStoreTest, CopiesAndMovesAreIndependentValues) {
  LineStore store = {"een", "twee"};
  LineStore copy = store;
  copy.push_back("drie");
  store.push_back("vier");
  store.push_back(copy[2]);
  EXPECT_EQ(store.Strings(), (std::vector<std::string>{"een", "twee", "vier", "drie"}));
  EXPECT_EQ(copy.Strings(), (std::vector<std::string>{"een", "twee", "drie"}));

  copy = store;
  store.erase(0);
  store.push_back(store[0]);  // a line of the store itself, while it is still shared
  EXPECT_EQ(store.Strings(), (std::vector<std::string>{"twee", "vier", "drie", "twee"}));
  EXPECT_EQ(copy.Strings(), (std::vector<std::string>{"een", "twee", "vier", "drie"}));

  LineStore moved = std::move(copy);
  EXPECT_TRUE(copy.empty());  // NOLINT(bugprone-use-after-move): a moved-from store is empty
  copy.push_back("nieuw");
  EXPECT_EQ(copy.Strings(), std::vector<std::string>{"nieuw"});
  EXPECT_EQ(moved.size(), 4u);

  // An empty line needs no block, and one that fills a block exactly ends it.
  LineStore edges;
  edges.push_back("");
  edges.push_back(std::string(1u << 20, 'B'));
  edges.push_back("");
  edges.push_back("C");
  EXPECT_EQ(edges.size(), 4u);
  EXPECT_EQ(edges[0], "");
  EXPECT_EQ(edges[1].size(), 1u << 20);
  EXPECT_EQ(edges[3], "C");
}

}  // namespace
}  // namespace kwintel
