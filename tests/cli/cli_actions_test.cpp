// kwintel-cli's actions after the search, and the result file, as a process.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "cli/temp_word_files.h"

namespace kwintel::cli::e2e {
namespace {

class CliActionsTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteWordFile("wl", 3, {"BAK", "AAP", "ZEE"});
    folder_.WriteWordFile("wl", 4, {"CAF\xC9", "ROOS", "KOOS"});
  }
  ProcessResult Run(std::vector<std::string> arguments, const ProcessSetup& setup = {}) {
    arguments.insert(arguments.begin(), {"-w", folder_.Path() + "wl", "--keep-ij"});
    return RunProcess(arguments, setup);
  }
  TempFolder folder_;
};

TEST_F(CliActionsTest, SortCyclesAndStartsAgainAfterANarrowing) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
      {{"..."}, "BAK\nAAP\nZEE\nTotaal: 3\n"},
      {{"...", "--sort"}, "AAP\nBAK\nZEE\nTotaal: 3\n"},
      {{"...", "--sort", "--sort"}, "ZEE\nBAK\nAAP\nTotaal: 3\n"},
      {{"...", "--sort", "--sort", "--sort"}, "ZEE\nBAK\nAAP\nTotaal: 3\n"},  // KAB PAA EEZ
      {{"...", "--sort", "--sort", "--sort", "--sort"}, "AAP\nBAK\nZEE\nTotaal: 3\n"},
      {{"...", "--sort", "--narrow", "Volgorde:...", "--sort"}, "AAP\nBAK\nZEE\nDoorzoeken gevonden: 3.\n"},
      // Restore does not restart the cycle: the second sort is descending.
      {{"...", "--sort", "--restore", "--sort"}, "ZEE\nBAK\nAAP\n3 regels hersteld\n"},
      {{"...", "--sort", "--sort", "--restore"}, "BAK\nAAP\nZEE\n3 regels hersteld\n"},
      // A single result line is left alone, and the cycle does not advance.
      {{"Z..", "--sort", "--sort"}, "ZEE\nTotaal: 1\n"},
  };
  for (const auto& [arguments, expected] : rows) {
    const ProcessResult run = Run(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected) << testing::PrintToString(arguments);
  }
}

TEST_F(CliActionsTest, NarrowingUsesTheFiltersAndTheCaseMode) {
  const ProcessResult run = Run({"* 4", "--narrow", "Volgorde:*OS", "--lower"});
  ASSERT_EQ(run.status, 0) << run.err;
  // --lower is a form option: the search already adds small letters, and the narrowing
  // re-adds them as such.
  EXPECT_EQ(run.out, "roos\nkoos\nDoorzoeken gevonden: 2.\n");
}

TEST_F(CliActionsTest, OutputFileGetsTheResultLinesInUtf8) {
  const std::string file = folder_.Path() + "lijst";
  const ProcessResult run = Run({"* 4", "-o", folder_.Path() + "eerst.txt", "-o", file});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(folder_.Read("lijst"), "CAF\xC3\x89\nROOS\nKOOS\n");        // no suffix, no summary
  EXPECT_FALSE(std::filesystem::exists(folder_.Path() + "eerst.txt"));  // the last -o counts
  EXPECT_EQ(run.out, "CAF\xC3\x89\nROOS\nKOOS\nTotaal: 3\n");

  folder_.Write("oud.txt", "OUD\n");
  const ProcessResult replaced = Run({"Z..", "-o", folder_.Path() + "oud.txt"});
  EXPECT_EQ(replaced.status, 0);
  EXPECT_EQ(folder_.Read("oud.txt"), "ZEE\n");
}

TEST_F(CliActionsTest, UnwritableOutputIsAnErrorAndKeepsTheOldFile) {
  const ProcessResult missing = Run({"...", "-o", folder_.Path() + "geen-map/lijst.txt"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err.rfind("Fout: Kan resultaat niet schrijven naar " + folder_.Path() + "geen-map/lijst.txt: ", 0),
            0u)
      << missing.err;

  // A file-size limit makes the write fail half-way, whoever runs the test.
  folder_.Write("oud.txt", "OUDE INHOUD\n");
  ProcessSetup limited;
  limited.fileSizeLimit = 4;
  const ProcessResult failed = Run({"...", "-o", folder_.Path() + "oud.txt"}, limited);
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "");
  EXPECT_EQ(failed.err.rfind("Fout: Kan resultaat niet schrijven naar ", 0), 0u) << failed.err;
  EXPECT_EQ(folder_.Read("oud.txt"), "OUDE INHOUD\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 3);
}

// A search alone writes its lines as it finds them; with a result file, or anything else after
// it, the list is kept first. Both must print the same.
TEST(CliStreamingTest, ASearchAloneListsWhatAKeptListLists) {
  TempFolder folder;
  std::vector<std::string> words;
  for (int i = 0; i < 30'000; ++i) {
    words.push_back(std::string{static_cast<char>('A' + i % 26), static_cast<char>('A' + i / 26 % 26),
                                static_cast<char>('A' + i / 676 % 26), 'S', i % 7 == 0 ? '\xC9' : 'E'});
  }
  folder.WriteWordFile("wl", 5, words);
  const std::vector<std::string> search = {"-w", folder.Path() + "wl", "--keep-ij", "-m", "100000", "*S*"};
  const ProcessResult streamed = RunProcess(search);
  std::vector<std::string> keeping = search;
  keeping.insert(keeping.end(), {"-o", folder.Path() + "lijst.txt"});
  const ProcessResult kept = RunProcess(keeping);
  ASSERT_EQ(streamed.status, 0) << streamed.err;
  ASSERT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(streamed.out.size(), kept.out.size());
  EXPECT_TRUE(streamed.out == kept.out);
  EXPECT_EQ(streamed.Lines().back(), "Totaal: 30000");
  EXPECT_EQ(streamed.Lines()[7], "HAAS\xC3\x89");
}

TEST_F(CliActionsTest, AFullStandardOutputIsAnErrorWithOrWithoutAKeptList) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"..."}, std::vector<std::string>{"...", "--sort"}}) {
    ProcessSetup full;
    full.stdoutPath = "/dev/full";
    const ProcessResult run = Run(arguments, full);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kwintel-cli: kan niet naar standaarduitvoer schrijven: No space left on device\n");
  }
}

TEST_F(CliActionsTest, NothingIsWrittenWhenAStepStops) {
  const ProcessResult run = Run({"...", "--narrow", "Frequentie:1", "-o", folder_.Path() + "lijst.txt"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Patroon fout: 1\n");
  EXPECT_FALSE(std::filesystem::exists(folder_.Path() + "lijst.txt"));
}

TEST(CliChainTest, SubsetNarrowedToLinesEndingInTSortedDescending) {
  KWINTEL_NEED_OPENTAAL();
  const ProcessResult run = RunProcess({"-t", "Subset", "KAARTEN", "--narrow", "Volgorde:*T", "--sort", "--sort"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<std::string> lines = run.Lines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.back(), "Doorzoeken gevonden: " + std::to_string(lines.size() - 1) + ".");
  lines.pop_back();
  // The narrowing tests the decorated line, so the decoration's end counts.
  EXPECT_NE(std::find(lines.begin(), lines.end(), "REN + KAAT"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "NEK + AART"), lines.end());
  for (const auto& line : lines) {
    // An accented letter ends the text for the sequence matcher.
    const std::string tested = line.substr(0, line.find_first_of("\xC3\xC5"));
    EXPECT_EQ(tested.back(), 'T') << line;
  }
  // Descending byte order, compared on the Windows-1252 bytes; UTF-8 keeps that order.
  EXPECT_TRUE(std::is_sorted(lines.rbegin(), lines.rend()));
}

}  // namespace
}  // namespace kwintel::cli::e2e
