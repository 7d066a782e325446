// kwintel-cli's usage errors, --help and --version, as a process.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "kwintel_version.h"

namespace kwintel::cli::e2e {
namespace {

struct UsageCase {
  const char* name;
  std::vector<std::string> arguments;
};

class UsageErrors : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrors, ExitTwoWithTheUsageOnStandardError) {
  const ProcessResult run = RunProcess(GetParam().arguments);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("kwintel-cli: ", 0), 0u) << run.err;
  EXPECT_NE(run.err.find("Gebruik: kwintel-cli"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, UsageErrors,
    testing::Values(UsageCase{"NoPattern", {}}, UsageCase{"TwoPatterns", {"R..S", "ROOS"}},
                    UsageCase{"UnquotedStackPattern", {"-t", "Stapel", "BCDF", "4"}},
                    UsageCase{"UnknownOption", {"--bogus", "R..S"}},
                    UsageCase{"NegatedPatternBeforeDoubleDash", {"-R..S"}},
                    UsageCase{"UnknownType", {"-t", "Kruiswoord", "R..S"}},
                    UsageCase{"LengthOutOfRange", {"-l", "1-4", "R..S"}}, UsageCase{"MaxZero", {"-m", "0", "R..S"}},
                    UsageCase{"NarrowWithoutColon", {"R..S", "--narrow", "Volgorde*T"}},
                    UsageCase{"NarrowUnknownType", {"R..S", "--narrow", "Kruis:*T"}},
                    UsageCase{"PatternWithoutWindows1252Form", {"CO\xE2\x82\x82"}},
                    UsageCase{"FilterWithoutWindows1252Form", {"--without", "\xE2\x82\x82", "R..S"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliUsageTest, HelpNamesEveryOptionAndGivesAnExamplePerType) {
  const ProcessResult run = RunProcess({"--help"});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  for (const char* option :
       {"-w, --words", "-t, --type", "-l, --lengths", "-m, --max", "--with", "--without", "--show-length", "--keep-ij",
        "--lower", "--narrow", "--sort", "--restore", "-o, --output", "-h, --help", "--version"}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
  for (const char* example : {"kwintel-cli R..S", "kwintel-cli -- -", "-t Frequentie ", "-t Anagram ", "-t Anagram-1 ",
                              "-t Stapel ", "-t Set ", "-t Product ", "-t Subset ", "-t Som ", "-t Telefoon "}) {
    EXPECT_NE(run.out.find(example), std::string::npos) << example;
  }
  EXPECT_EQ(RunProcess({"-h"}).out, run.out);
}

TEST(CliUsageTest, VersionIsTheBuildsVersion) {
  const ProcessResult run = RunProcess({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string("kwintel-cli ") + KWINTEL_VERSION + "\n");
}

}  // namespace
}  // namespace kwintel::cli::e2e
