// kwintel-cli end to end over the OpenTaal word files beside it: the form options, the search
// types, and the refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "cli/temp_word_files.h"
#include "cli/text_shape.h"

namespace kwintel::cli::e2e {
namespace {

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The result lines: every line but the summary line.
std::vector<std::string> ResultLines(const ProcessResult& run) {
  std::vector<std::string> lines = run.Lines();
  if (!lines.empty()) lines.pop_back();
  return lines;
}

TEST(CliSearchTest, SequenceWithNoOtherOptionFindsRoos) {
  KWINTEL_NEED_OPENTAAL();
  const ProcessResult run = RunProcess({"R..S"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto lines = run.Lines();
  EXPECT_TRUE(Contains(lines, "ROOS"));
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(HasShape(lines.back(), "Totaal: #")) << lines.back();
  EXPECT_EQ(lines.back(), "Totaal: " + std::to_string(lines.size() - 1));
  for (const auto& line : ResultLines(run)) {
    EXPECT_TRUE(HasShape(line, "R??S")) << line;
  }
  EXPECT_EQ(run.out.back(), '\n');
}

struct TypeCase {
  const char* name;
  std::vector<std::string> arguments;
  std::vector<std::string> present;  // lines that must be listed
  std::string summary;               // shape of the last line (text_shape.h)
};

class SearchTypes : public testing::TestWithParam<TypeCase> {};

TEST_P(SearchTypes, ListWhatTheTypeFinds) {
  KWINTEL_NEED_OPENTAAL();
  const TypeCase& c = GetParam();
  const ProcessResult run = RunProcess(c.arguments);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.Lines();
  for (const auto& line : c.present) EXPECT_TRUE(Contains(lines, line)) << line;
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(HasShape(lines.back(), c.summary)) << lines.back();
}

INSTANTIATE_TEST_SUITE_P(
    OpenTaal, SearchTypes,
    testing::Values(
        TypeCase{"TelefoonLetters", {"-t", "Telefoon", "ROOS"}, {"ROOS", "POOS", "SNOR"}, "Totaal: #, n = 7667"},
        TypeCase{"TelefoonDigits", {"-t", "telefoon", "7667"}, {"ROOS"}, "Totaal: #, n = 7667"},
        TypeCase{"ProductLetters", {"-t", "Product", "KAT"}, {"KAT", "TAK", "DEK"}, "Totaal: #, n = 220"},
        TypeCase{"ProductNumber", {"-t", "Product", "220"}, {"KAT"}, "Totaal: #, n = 220"},
        TypeCase{"Som", {"-t", "Som", "KAT"}, {"KAT", "TAK"}, "Totaal: #, n = 32|Maximum: #, n = 32"},
        TypeCase{"AnagramDecorated",
                 {"-t", "Anagram", "-l", "4,7", "-m", "500", "ROOS"},
                 {"ROOS", "ROOSTER - TER"},
                 "Totaal: #|Maximum: #"},
        TypeCase{
            "AnagramMinusOne", {"-t", "Anagram-1", "-m", "1000", "ROOS"}, {"ROOK - K + S"}, "Totaal: #|Maximum: #"},
        TypeCase{"Subset", {"-t", "Subset", "-l", "4", "KAARTEN"}, {"KAAT + REN"}, "Totaal: #"},
        TypeCase{"Set", {"-t", "Set", "-l", "3", "ANS"}, {"NAS"}, "Totaal: #"},
        TypeCase{"Frequentie", {"-t", "Frequentie", "-l", "4", "-m", "15000", "211"}, {"ROOS"}, "Totaal: #"},
        TypeCase{
            "Stapel", {"-t", "Stapel", "-l", "7", "-m", "15000", "BCDFGHJKLMNPQRSTVWXZ 4"}, {"ANGSTIG"}, "Totaal: #"},
        TypeCase{"NegatedAfterDoubleDash", {"-l", "4", "-m", "15000", "--", "-R..S"}, {"ROOK"}, "Totaal: #"},
        TypeCase{"MeerwoordTwoWords", {"-t", "Meerwoord", "KRUISWOORDPUZZEL"}, {"KRUIS WOORDPUZZEL"}, "Totaal: #"},
        TypeCase{
            "MeerwoordEnumeration", {"-t", "meerwoord", "KRUISWOORDPUZZEL 5,5,6"}, {"KRUIS WOORD PUZZEL"}, "Totaal: #"},
        TypeCase{
            "Verborgen", {"-t", "Verborgen", "de kat eet rood vlees"}, {"KAT", "EET", "ROOD", "DOOR <"}, "Totaal: #"},
        TypeCase{"Drukfout", {"-t", "Drukfout", "ROOS"}, {"ROOK", "BOOS", "ROTS"}, "Totaal: #"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliSearchTest, DrukfoutListsNeitherThePatternsOwnWordNorOneTwoLettersOff) {
  KWINTEL_NEED_OPENTAAL();
  const ProcessResult run = RunProcess({"-t", "Drukfout", "ROOS"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(Contains(run.Lines(), "ROOS"));
  EXPECT_FALSE(Contains(run.Lines(), "RAAS"));
}

TEST(CliSearchTest, NegatedSequenceLeavesOutWhatMatches) {
  KWINTEL_NEED_OPENTAAL();
  const ProcessResult run = RunProcess({"-l", "4", "-m", "15000", "--", "-R..S"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(Contains(run.Lines(), "ROOS"));
}

TEST(CliSearchTest, LengthsMaximumAndLengthPrefix) {
  KWINTEL_NEED_OPENTAAL();
  const ProcessResult run = RunProcess({"-l", "5,7", "--show-length", "-m", "15000", "*EN"});
  ASSERT_EQ(run.status, 0) << run.err;
  bool sawFive = false, sawSeven = false;
  for (const auto& line : ResultLines(run)) {
    ASSERT_TRUE(HasShape(line, " 5. *| 7. *")) << line;
    // An accented letter ends the word for the sequence matcher: RENÉE is tested as REN.
    EXPECT_TRUE(line.substr(0, line.find_first_of("\xC3\xC5")).ends_with("EN")) << line;
    sawFive = sawFive || line[1] == '5';
    sawSeven = sawSeven || line[1] == '7';
    EXPECT_FALSE(sawSeven && line[1] == '5') << "length 5 after length 7: " << line;
  }
  EXPECT_TRUE(sawFive && sawSeven);

  const ProcessResult three = RunProcess({"-m", "3", "R..S"});
  EXPECT_EQ(three.Lines().size(), 4u);
  EXPECT_EQ(three.Lines().back(), "Maximum: 3");

  const ProcessResult none = RunProcess({"-l", "none", "R..S"});
  EXPECT_EQ(none.out, "Totaal: 0\n");
}

TEST(CliSearchTest, FiltersTakeTypedSmallLettersAsCapitals) {
  KWINTEL_NEED_OPENTAAL();
  const ProcessResult run = RunProcess({"--with", "o", "--without", "t", "r..s"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = ResultLines(run);
  EXPECT_TRUE(Contains(lines, "ROOS"));
  for (const auto& line : lines) {
    EXPECT_NE(line.find('O'), std::string::npos) << line;
    EXPECT_EQ(line.find('T'), std::string::npos) << line;
  }
}

TEST(CliSearchTest, AccentedLettersComeInAsWindows1252AndGoOutAsUtf8) {
  KWINTEL_NEED_OPENTAAL();
  // "é" typed into "Met:" becomes É; CAFÉ's É ends the word for the sequence matcher.
  const ProcessResult run = RunProcess({"-l", "4", "--with", "\xC3\xA9", "caf*"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "CAF\xC3\x89\nTotaal: 1\n");
}

TEST(CliSearchTest, IjRuleLowerCaseAndLengthPrefix) {
  KWINTEL_NEED_OPENTAAL();
  EXPECT_FALSE(Contains(RunProcess({"-l", "3", "IJ."}).Lines(), "IJS"));
  EXPECT_TRUE(Contains(RunProcess({"-l", "3", "--keep-ij", "IJ."}).Lines(), "IJS"));
  const ProcessResult lower = RunProcess({"--lower", "--show-length", "R..S"});
  EXPECT_TRUE(Contains(lower.Lines(), " 4. roos"));
  EXPECT_TRUE(HasShape(lower.Lines().back(), "Totaal: #"));
}

TEST(CliSearchTest, PatternLimitCountsWindows1252Characters) {
  KWINTEL_NEED_OPENTAAL();
  std::string accented299;
  for (int i = 0; i < 299; ++i) accented299 += "\xC3\xA9";  // 598 bytes of UTF-8
  const ProcessResult fits = RunProcess({accented299});
  EXPECT_EQ(fits.status, 0) << fits.err;
  EXPECT_EQ(fits.out, "Totaal: 0\n");

  const ProcessResult tooLong = RunProcess({accented299 + "e"});
  EXPECT_EQ(tooLong.status, 1);
  EXPECT_EQ(tooLong.out, "");
  EXPECT_EQ(tooLong.err, "kwintel-cli: Please enter no more than 299 characters.\n");
}

struct RefusalCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string message;
};

class Refusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, ExitOneWithTheMessageAndNoList) {
  KWINTEL_NEED_OPENTAAL();
  const ProcessResult run = RunProcess(GetParam().arguments);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    PatternErrors, Refusals,
    testing::Values(RefusalCase{"Empty", {""}, "Patroon fout: "},
                    RefusalCase{"DoubleStarTypedSmall", {"a**b"}, "Patroon fout: A**B"},
                    RefusalCase{"OnlyStar", {"*"}, "Patroon fout: *"},
                    RefusalCase{"NegatedOnlyStar", {"--", "-*"}, "Patroon fout: -*"},
                    RefusalCase{"OpenClass", {"[AB"}, "Patroon fout: [AB"},
                    RefusalCase{"CloserWithoutClass", {"AB]"}, "Patroon fout: AB]"},
                    RefusalCase{"WildcardInClass", {"[A.]"}, "Patroon fout: [A.]"},
                    RefusalCase{"MinusInside", {"A-B"}, "Patroon fout: A-B"},
                    RefusalCase{"BindingMark", {"A'B"}, "Patroon fout: A'B"},
                    RefusalCase{"Percent", {"50%"}, "Patroon fout: 50%"},
                    RefusalCase{"LengthNotANumber", {"A*B X"}, "Patroon fout: A*B X"},
                    RefusalCase{"EmptyAnagram", {"-t", "Anagram", ""}, "Patroon fout: "},
                    RefusalCase{"FrequencySumOne", {"-t", "Frequentie", "1"}, "Patroon fout: 1"},
                    RefusalCase{"FrequencyZero", {"-t", "Frequentie", "20"}, "Patroon fout: 20"},
                    RefusalCase{"FrequencyLeadingBlank", {"-t", "Frequentie", " 22"}, "Patroon fout:  22"},
                    RefusalCase{"StackWithoutNumber", {"-t", "Stapel", "abc"}, "Patroon fout: ABC"},
                    RefusalCase{"ProductPrimeAbove23", {"-t", "Product", "58"}, "Patroon fout: 58"},
                    RefusalCase{"ProductNegative", {"-t", "Product", "--", "-6"}, "Patroon fout: -6"},
                    RefusalCase{"AnagramMinusOneTooShort", {"-t", "Anagram-1", "a"}, "Patroon fout: A"},
                    RefusalCase{"TelephoneOne", {"-t", "Telefoon", "h1"}, "Patroon fout: H1"},
                    RefusalCase{"TelephoneTooShort", {"-t", "Telefoon", "A"}, "Patroon fout: A"},
                    RefusalCase{"NoWordSource", {"-w", "", "R..S"}, "Fout: Specificeer woordbestand"},
                    RefusalCase{"NarrowRefused", {"R..S", "--narrow", "Volgorde:a**b"}, "Patroon fout: A**B"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliSearchTest, WordFilesFromAnotherPrefixAndBesideACopiedProgram) {
  TempFolder folder;
  folder.WriteWordFile("wl", 4, {"ROOS", "RAAS", "KOOS"});
  const ProcessResult run = RunProcess({"-w", folder.Path() + "wl", "R..S"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "ROOS\nRAAS\nTotaal: 2\n");

  // A copy of the program with no word files beside it has no word source; with a set of at
  // least 7 files beside it, that set is the source.
  std::filesystem::copy_file(KWINTEL_CLI_PATH, folder.Path() + "kwintel-cli");
  ProcessSetup copy;
  copy.program = folder.Path() + "kwintel-cli";
  const ProcessResult alone = RunProcess({"R..S"}, copy);
  EXPECT_EQ(alone.status, 1);
  EXPECT_EQ(alone.err, "Fout: Specificeer woordbestand\n");
  for (int length = 5; length <= 10; ++length) folder.WriteWordFile("wl", length, {});
  const ProcessResult beside = RunProcess({"R..S"}, copy);
  EXPECT_EQ(beside.status, 0) << beside.err;
  EXPECT_EQ(beside.out, "ROOS\nRAAS\nTotaal: 2\n");
}

TEST(CliSearchTest, AFullDiskOnStandardOutputIsAnError) {
  TempFolder folder;
  folder.WriteWordFile("wl", 4, {"ROOS"});
  ProcessSetup full;
  full.stdoutPath = "/dev/full";
  const ProcessResult run = RunProcess({"-w", folder.Path() + "wl", "R..S"}, full);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("kwintel-cli: kan niet naar standaarduitvoer schrijven: ", 0), 0u) << run.err;
}

TEST(CliSearchTest, ASetBesideTheProgramUnderAPathTooLongIsRefused) {
  TempFolder folder;
  const std::string deep = folder.Path() + std::string(200, 'a') + "/" + std::string(200, 'b') + "/";
  std::filesystem::create_directories(deep);
  std::filesystem::copy_file(KWINTEL_CLI_PATH, deep + "kwintel-cli");
  for (int length = 2; length <= 19; ++length) {
    std::ofstream(deep + "wl" + (length < 10 ? "0" : "") + std::to_string(length) + ".DOC")
        << (length == 4 ? "ROOS\n" : "");
  }
  ProcessSetup setup;
  setup.program = deep + "kwintel-cli";
  const ProcessResult run = RunProcess({"R..S"}, setup);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Fout: Pad te lang: " + deep + "wl\n");
  // Another source makes the discovery's refusal moot.
  folder.WriteWordFile("ot", 4, {"RAAS"});
  const ProcessResult chosen = RunProcess({"-w", folder.Path() + "ot", "R..S"}, setup);
  EXPECT_EQ(chosen.status, 0) << chosen.err;
  EXPECT_EQ(chosen.out, "RAAS\nTotaal: 1\n");
}

TEST(CliSearchTest, CrLfWordFileGivesTheSameList) {
  TempFolder folder;
  folder.Write("wl04.DOC", "ROOS\r\nRAAS\r\nKOOS");
  const ProcessResult run = RunProcess({"-w", folder.Path() + "wl", "R..S"});
  EXPECT_EQ(run.out, "ROOS\nRAAS\nTotaal: 2\n");
}

}  // namespace
}  // namespace kwintel::cli::e2e
