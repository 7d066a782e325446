#include "engine/sequence_run_plan.h"

#include <gtest/gtest.h>

#include <string>

namespace kwintel {
namespace {

struct PlanRow {
  const char* rest;  // the pattern after a '*'
  bool recurses;
  bool hasRun;
  bool binds;
  int elements;
  std::uint32_t variables;
  int leadingCount;
  char leadingSingle;
};

constexpr std::uint32_t kAll = kAmpVariableByte | kDollarVariableByte | kCaretVariableByte;

TEST(PlanRunTest, DescribesTheRestOfThePattern) {
  const PlanRow rows[] = {
      {"EN", false, false, false, 2, 0, 2, 'E'},
      {"[AEIOU][AEIOU]{X}*", false, true, false, 4, 0, 3, 0},
      {"E*N", true, true, false, 3, 0, 1, 'E'},
      {"@.*", false, true, false, 3, 0, 2, ' '},
      {"ABCDEF", false, false, false, 6, 0, 4, 'A'},
      {"&X", false, false, false, 2, kAmpVariableByte, 0, 0},  // a variable stops the lead
      {"X$^", false, false, false, 3, kDollarVariableByte | kCaretVariableByte, 1, 'X'},
      {"X'", false, false, true, 2, kAll, 1, 'X'},  // a mark reads the other two
      {"[&$]_", false, false, true, 2, kAll, 1, 0},  // in a class they are letters
      {"[&$]A", false, false, false, 2, 0, 2, 0},
      {"\xC9" "A", false, false, false, 2, 0, 2, 0},  // no word character is a byte of 128+
  };
  for (const PlanRow& row : rows) {
    const RunPlan plan = PlanRun(row.rest);
    SCOPED_TRACE(row.rest);
    EXPECT_EQ(plan.recurses, row.recurses);
    EXPECT_EQ(plan.hasRun, row.hasRun);
    EXPECT_EQ(plan.binds, row.binds);
    EXPECT_EQ(plan.elements, row.elements);
    EXPECT_EQ(plan.variables, row.variables);
    EXPECT_EQ(plan.leadingCount, row.leadingCount);
    EXPECT_EQ(plan.leadingSingle, row.leadingSingle);
  }
}

TEST(PlanRunTest, LeadingSetsHoldExactlyTheAcceptedCharacters) {
  const RunPlan plan = PlanRun("[AB]{AB}/\\");
  ASSERT_EQ(plan.leadingCount, 4);
  for (int c = 32; c < 128; ++c) {
    const char ch = static_cast<char>(c);
    const std::string one(1, ch);
    EXPECT_EQ(plan.leading[0].Has(ch), one.find_first_of("AB") == 0) << c;
    EXPECT_EQ(plan.leading[1].Has(ch), one.find_first_of("AB") != 0) << c;
    EXPECT_EQ(plan.leading[2].Has(ch), one.find_first_of("AEIOU") == 0) << c;
    EXPECT_EQ(plan.leading[3].Has(ch), one.find_first_of("BCDFGHJKLMNPQRSTVWXZ") == 0) << c;
  }
}

}  // namespace
}  // namespace kwintel
