#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <cctype>

#include <string>
#include <vector>

namespace kwintel::cli {
namespace {

std::variant<CliOptions, UsageError> Parse(std::vector<std::string> arguments) { return ParseCliOptions(arguments); }

CliOptions Accepted(std::vector<std::string> arguments) {
  auto parsed = Parse(arguments);
  if (auto* error = std::get_if<UsageError>(&parsed)) {
    ADD_FAILURE() << "refused: " << error->message;
    return {};
  }
  return std::get<CliOptions>(parsed);
}

TEST(CliOptionsTest, DefaultsAreTheDialogsStart) {
  const CliOptions options = Accepted({"R..S"});
  EXPECT_EQ(options.mode, CliOptions::Mode::Search);
  EXPECT_EQ(options.pattern, "R..S");
  EXPECT_EQ(options.type, SearchType::Sequence);
  EXPECT_FALSE(options.lengths.has_value());
  EXPECT_EQ(options.maxResults, 100);
  EXPECT_FALSE(options.wordsPrefix.has_value());
  EXPECT_FALSE(options.outputFile.has_value());
  EXPECT_FALSE(options.showLength || options.keepIj || options.lower);
  EXPECT_TRUE(options.actions.empty());
}

TEST(CliOptionsTest, EverySpellingOfAValue) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"-m", "500", "X"}, {"-m500", "X"}, {"--max", "500", "X"}, {"--max=500", "X"}, {"X", "-m", "500"}}) {
    EXPECT_EQ(Accepted(arguments).maxResults, 500) << arguments[0];
  }
  EXPECT_EQ(Accepted({"-w", "/data/wl", "X"}).wordsPrefix, "/data/wl");
  EXPECT_EQ(Accepted({"--words=", "X"}).wordsPrefix, "");
}

TEST(CliOptionsTest, TypedTextBecomesWindows1252Capitals) {
  const CliOptions options = Accepted({"--with",
                                       "\xC3\xA9"
                                       "a",
                                       "--without",
                                       "\xC3\x9F"
                                       "z",
                                       "caf\xC3\xA9"});
  EXPECT_EQ(options.pattern, "CAF\xC9");
  EXPECT_EQ(options.mustContain,
            "\xC9"
            "A");
  EXPECT_EQ(options.mustNotContain,
            "\xDF"
            "Z");  // ß has no capital and stays
}

TEST(CliOptionsTest, PatternAfterDoubleDashMayBeginWithAMinus) {
  EXPECT_EQ(Accepted({"--", "-r..s"}).pattern, "-R..S");
  EXPECT_EQ(Accepted({"-t", "Som", "--", "-6"}).pattern, "-6");
  EXPECT_EQ(Accepted({"-"}).pattern, "-");
  EXPECT_EQ(Accepted({""}).pattern, "");
}

TEST(CliOptionsTest, ActionsKeepTheirOrderAndTheLastOutputCounts) {
  const CliOptions options = Accepted({"-t", "subset", "KAARTEN", "--narrow", "volgorde:*t:x", "--sort", "-o", "a.txt",
                                       "--restore", "--sort", "--output=b.txt"});
  EXPECT_EQ(options.type, SearchType::Subset);
  ASSERT_EQ(options.actions.size(), 4u);
  EXPECT_EQ(options.actions[0].kind, CliAction::Kind::Narrow);
  EXPECT_EQ(options.actions[0].type, SearchType::Sequence);
  EXPECT_EQ(options.actions[0].pattern, "*T:X");  // split at the first ':'
  EXPECT_EQ(options.actions[1].kind, CliAction::Kind::Sort);
  EXPECT_EQ(options.actions[2].kind, CliAction::Kind::Restore);
  EXPECT_EQ(options.actions[3].kind, CliAction::Kind::Sort);
  EXPECT_EQ(options.outputFile, "b.txt");
}

TEST(CliOptionsTest, HelpAndVersionNeedNoPattern) {
  EXPECT_EQ(Accepted({"--help"}).mode, CliOptions::Mode::Help);
  EXPECT_EQ(Accepted({"-h", "extra", "extra"}).mode, CliOptions::Mode::Help);
  EXPECT_EQ(Accepted({"--version"}).mode, CliOptions::Mode::Version);
}

struct RefusedCase {
  const char* name;
  std::vector<std::string> arguments;
};

class Refused : public testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, IsAUsageError) {
  auto parsed = Parse(GetParam().arguments);
  ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
  EXPECT_FALSE(std::get<UsageError>(parsed).message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Refused,
    testing::Values(RefusedCase{"NoPattern", {}}, RefusedCase{"OnlyOptions", {"-t", "Set"}},
                    RefusedCase{"ExtraPattern", {"-t", "Stapel", "BCDF", "4"}},
                    RefusedCase{"UnknownShort", {"-x", "R..S"}}, RefusedCase{"UnknownLong", {"--colour", "R..S"}},
                    RefusedCase{"NegatedPatternWithoutDoubleDash", {"-R..S"}},
                    RefusedCase{"UnknownType", {"-t", "Palindroom", "R..S"}},
                    RefusedCase{"TypeByNumber", {"-t", "0", "R..S"}}, RefusedCase{"MissingValue", {"R..S", "-m"}},
                    RefusedCase{"FlagWithValue", {"--sort=1", "R..S"}}, RefusedCase{"MaxZero", {"-m", "0", "R..S"}},
                    RefusedCase{"MaxNegative", {"-m", "-5", "R..S"}}, RefusedCase{"MaxSigned", {"-m", "+5", "R..S"}},
                    RefusedCase{"MaxNotWhole", {"-m", "1.5", "R..S"}},
                    RefusedCase{"MaxOverflow", {"-m", "99999999999", "R..S"}},
                    RefusedCase{"NarrowWithoutColon", {"R..S", "--narrow", "Volgorde"}},
                    RefusedCase{"NarrowUnknownType", {"R..S", "--narrow", "Foo:*T"}},
                    RefusedCase{"NarrowNoCp1252", {"R..S", "--narrow", "Set:\xE2\x82\x82"}},
                    RefusedCase{"PatternNoCp1252", {"CO\xE2\x82\x82"}}, RefusedCase{"PatternNotUtf8", {"caf\xE9"}},
                    RefusedCase{"FilterNoCp1252", {"--with", "\xE2\x82\x82", "R..S"}},
                    RefusedCase{"EmptyOutputName", {"-o", "", "R..S"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SearchTypeNamedTest, EveryCaptionLetterCaseIgnored) {
  for (const SearchTypeEntry& entry : kSearchTypes) {
    std::string lower(entry.caption);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(SearchTypeNamed(entry.caption), entry.type) << entry.caption;
    EXPECT_EQ(SearchTypeNamed(lower), entry.type) << lower;
  }
  EXPECT_EQ(SearchTypeNamed("Anagram-2"), std::nullopt);
  EXPECT_EQ(SearchTypeNamed(""), std::nullopt);
}

std::string LengthsOn(const std::array<bool, 18>& lengths) {
  std::string on;
  for (int length = 2; length <= 19; ++length) {
    if (lengths[length - 2]) on += std::to_string(length) + " ";
  }
  return on;
}

TEST(ParseLengthListTest, ListsRangesAndNone) {
  const std::vector<std::pair<std::string, std::string>> rows = {{"5,7", "5 7 "}, {"2-6,19", "2 3 4 5 6 19 "},
                                                                 {"19+", "19 "},  {"18-19+", "18 19 "},
                                                                 {"4,4", "4 "},   {"7-7", "7 "},
                                                                 {"none", ""},    {"NONE", ""}};
  for (const auto& [list, on] : rows) {
    const auto lengths = ParseLengthList(list);
    ASSERT_TRUE(lengths.has_value()) << list;
    EXPECT_EQ(LengthsOn(*lengths), on) << list;
  }
  for (const char* bad : {"", "1", "20", "0", "5,", ",5", "6-2", "2-", "-3", "a", "5 7", "2..6", "none,5", "05x"}) {
    EXPECT_EQ(ParseLengthList(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace kwintel::cli
