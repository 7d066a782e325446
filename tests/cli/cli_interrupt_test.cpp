// Ctrl+C as "&Onderbreek": the test hook raises SIGINT at a chosen pump of kwintel-cli.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "cli/temp_word_files.h"

namespace kwintel::cli::e2e {
namespace {

// Word number n of the generated file: n written with the 26 letters as digits, five places.
std::string GeneratedWord(int n) {
  std::string word = "AAAAA";
  for (int i = 4; i >= 0; --i, n /= 26) word[i] = static_cast<char>('A' + n % 26);
  return word;
}

class CliInterruptTest : public testing::Test {
 protected:
  void SetUp() override {
    // 35,000 five-letter words, every one matching ".....": three pumps in the search.
    std::vector<std::string> words;
    for (int n = 0; n < 35000; ++n) words.push_back(GeneratedWord(n));
    folder_.WriteWordFile("gen", 5, words);
  }
  ProcessResult RunInterrupted(std::vector<std::string> arguments, int pump) {
    arguments.insert(arguments.begin(), {"-w", folder_.Path() + "gen", "--keep-ij", "-m", "100000"});
    ProcessSetup setup;
    setup.environment = {{"KWINTEL_TEST_SIGINT_AT_PUMP", std::to_string(pump)}};
    return RunProcess(arguments, setup);
  }
  TempFolder folder_;
};

TEST_F(CliInterruptTest, SearchStopsAtItsFirstPumpAsOnderbreekDoes) {
  const ProcessResult run = RunInterrupted({"....."}, 1);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 10002u);
  EXPECT_EQ(lines.back(), "Onderbroken: 10001e");
  EXPECT_EQ(lines[10000], GeneratedWord(10000));  // word 10,001 is the last one tested
}

TEST_F(CliInterruptTest, WithoutTheSignalTheSearchRunsToTheEnd) {
  const ProcessResult run = RunInterrupted({"....."}, 0);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.Lines().back(), "Totaal: 35000");
}

TEST_F(CliInterruptTest, InterruptedNarrowingThenTheRemainingActions) {
  // The search's three pumps pass; the fourth is the narrowing's first.
  const ProcessResult run = RunInterrupted({".....", "--narrow", "Volgorde:.....", "--sort"}, 4);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.back().rfind("Doorzoeken onderbroken na: ", 0), 0u) << lines.back();
  EXPECT_LT(lines.size(), 35001u);
  EXPECT_EQ(lines.front(), "AAAAA");  // sorted after the narrowing
}

}  // namespace
}  // namespace kwintel::cli::e2e
