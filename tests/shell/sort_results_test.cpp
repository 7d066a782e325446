#include <algorithm>
#include <random>

#include "results/sort_results.h"
#include "session_fixture.h"
#include "shell/result_commands.h"

namespace kwintel {
namespace {

using Lines = std::vector<std::string>;
using SortTest = testing_support::SessionFixture;

TEST_F(SortTest, ClicksCycleThroughTheFourOrdersWithTheSummaryLast) {
  Show({"BAK", "AAP", "ZEE", "Totaal: 3"});
  const Lines expected[] = {{"AAP", "BAK", "ZEE", "Totaal: 3"},   // ascending
                            {"ZEE", "BAK", "AAP", "Totaal: 3"},   // descending
                            {"ZEE", "BAK", "AAP", "Totaal: 3"},   // by ending: EEZ KAB PAA
                            {"AAP", "BAK", "ZEE", "Totaal: 3"},   // by ending, descending
                            {"AAP", "BAK", "ZEE", "Totaal: 3"}};  // ascending again
  for (int click = 0; click < 5; ++click) {
    SortResults(session);
    EXPECT_EQ(Shown(), expected[click]) << "click " << click + 1;
    EXPECT_EQ(session.sortMode, (click + 1) % 4);
  }
}

TEST_F(SortTest, OrdersByUnsignedBytesOfTheWholeLine) {
  struct Row {
    int mode;
    Lines shown;
    Lines sorted;
  };
  const Row rows[] = {
      {0, {"aap", "BAK", "\xC9TA", "ZEE", "s"}, {"BAK", "ZEE", "aap", "\xC9TA", "s"}},
      {0, {"AAPJE", "AAP", "AA", "s"}, {"AA", "AAP", "AAPJE", "s"}},
      {0, {"13. ROOSTER", " 6. ROOS", "s"}, {" 6. ROOS", "13. ROOSTER", "s"}},
      {2, {"REN + KAAT", "NEK + AART", "ROOS", "s"}, {"ROOS", "REN + KAAT", "NEK + AART", "s"}},
      {3, {"KAT", "BOOT", "\xE9T", "s"}, {"\xE9T", "BOOT", "KAT", "s"}},
  };
  for (const Row& row : rows) {
    results.Clear();
    for (const std::string& line : row.shown) results.Append(line);
    session.sortMode = row.mode;
    SortResults(session);
    EXPECT_EQ(Shown(), row.sorted) << "mode " << row.mode << ", first " << row.shown.front();
  }
}

TEST_F(SortTest, AtMostOneResultLineChangesNothingNotEvenTheMode) {
  const Lines cases[] = {{}, {"Totaal: 0"}, {"AAP", "Totaal: 1"}};
  for (const Lines& shown : cases) {
    results.Clear();
    for (const std::string& line : shown) results.Append(line);
    results.Select(0);
    session.sortMode = 1;
    SortResults(session);
    EXPECT_EQ(Shown(), shown);
    EXPECT_EQ(session.sortMode, 1);
    if (!shown.empty()) {
      EXPECT_EQ(results.SelectedIndices(), std::vector<int>{0});  // not rebuilt
    }
  }
}

// Between two lines of a running search the last line present is a result line; it stays last,
// nothing goes missing and the search can go on appending.
TEST_F(SortTest, NestedInARunningSearchKeepsEveryLine) {
  Show({"ZEE", "BAK", "AAP"});
  SortResults(session);
  EXPECT_EQ(Shown(), (Lines{"BAK", "ZEE", "AAP"}));
  results.Append("KAT");
  results.Append("Totaal: 4");
  SortResults(session);
  EXPECT_EQ(Shown(), (Lines{"ZEE", "KAT", "BAK", "AAP", "Totaal: 4"}));
}

// Against the standard library on inputs that defeat naive partitioning: sorted, reversed, all
// equal, few distinct values, organ pipe, random; and on sub-ranges that must stay within bounds.
TEST(SortLines, AgreesWithStdSortOnHardInputs) {
  std::mt19937 random(7);
  std::vector<Lines> inputs;
  Lines ascending, equal, few, pipe, noise;
  for (int i = 0; i < 600; ++i) {
    ascending.push_back(std::to_string(100000 + i));
    equal.push_back("AAP");
    few.push_back(std::string(1, static_cast<char>('A' + random() % 3)));
    pipe.push_back(std::to_string(100000 + std::min(i, 599 - i)));
    noise.push_back(std::string(random() % 4, static_cast<char>(random() % 256)));
  }
  Lines descending(ascending.rbegin(), ascending.rend());
  inputs = {ascending, descending, equal, few, pipe, noise, {}, {"X"}};
  const auto bytes = [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
  };
  for (const Lines& input : inputs) {
    Lines up = input, down = input, expected = input;
    std::sort(expected.begin(), expected.end(), bytes);
    SortAscending(up, 0, static_cast<int>(up.size()) - 1);
    EXPECT_EQ(up, expected);
    SortDescending(down, 0, static_cast<int>(down.size()) + 5);  // range cut to the array
    EXPECT_EQ(down, Lines(expected.rbegin(), expected.rend()));
  }
  Lines part = {"Z", "C", "B", "A", "Y"};
  SortAscending(part, 1, 3);
  EXPECT_EQ(part, (Lines{"Z", "A", "B", "C", "Y"}));
}

}  // namespace
}  // namespace kwintel
