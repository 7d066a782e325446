// kwintel-cli --common ("Gangbaar") as a user runs it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cli_process.h"
#include "temp_word_files.h"

namespace kwintel::cli::e2e {
namespace {

TEST(CliCommonTest, TheMostCommonWordsComeFirst) {
  KWINTEL_NEED_OPENTAAL();
  const ProcessResult run = RunProcess({"--common", "-m", "10", "*EN"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 11u) << run.out;
  for (const char* word : {"EEN", "HEBBEN", "WORDEN", "KUNNEN"}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), word), lines.end()) << word;
  }
  EXPECT_EQ(lines.back(), "Maximum: 10");
  // Without it the list is in the files' order, as always.
  const auto plain = RunProcess({"-m", "10", "*EN"}).Lines();
  ASSERT_EQ(plain.size(), 11u);
  EXPECT_NE(plain, lines);
  EXPECT_TRUE(std::is_sorted(plain.begin(), plain.begin() + 10, [](const std::string& a, const std::string& b) {
    return a.size() < b.size() || (a.size() == b.size() && a < b);
  }));
}

TEST(CliCommonTest, ASetWithoutCountsIsAUsageErrorNamingTheFile) {
  TempFolder folder;
  folder.WriteWordFile("x", 4, {"ROOS"});
  const ProcessResult run = RunProcess({"-w", folder.Path() + "x", "--common", "R..S"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(folder.Path() + "x.FRQ"), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.empty());
}

}  // namespace
}  // namespace kwintel::cli::e2e
