// The sound types and the word games as a user runs them on the OpenTaal set.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"
#include "temp_word_files.h"

namespace kwintel::cli::e2e {
namespace {

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

#define KWINTEL_NEED_SOUNDS()                                                     \
  KWINTEL_NEED_OPENTAAL();                                                        \
  if (!std::filesystem::exists(std::string(KWINTEL_BIN_DIR) + "/opentaal.KLK")) { \
    GTEST_SKIP() << "no opentaal.KLK (libespeak-ng missing at build time)";       \
  }

TEST(CliSoundTypesTest, RhymesAndSoundAlikesOfTheWholeList) {
  KWINTEL_NEED_SOUNDS();
  const auto kat = RunProcess({"-t", "Rijm", "-m", "1000", "KAT"}).Lines();
  for (const char* word : {"DAT", "SCHAT", "STAD", "KRAT"}) EXPECT_TRUE(Holds(kat, word)) << word;
  const ProcessResult sinterklaas = RunProcess({"-t", "Rijm", "--common", "-m", "10", "SINTERKLAAS"});
  ASSERT_EQ(sinterklaas.status, 0) << sinterklaas.err;
  for (const char* word : {"BAAS", "KAAS", "HELAAS"}) EXPECT_TRUE(Holds(sinterklaas.Lines(), word)) << word;
  EXPECT_TRUE(Holds(RunProcess({"-t", "Klinkt als", "HARD"}).Lines(), "HART"));
  EXPECT_TRUE(Holds(RunProcess({"-t", "Rijm", "VERJAARDAG 1"}).Lines(), "DAG"));
  EXPECT_EQ(RunProcess({"-t", "rijm", "WERELD"}).Lines(), std::vector<std::string>{"Totaal: 0"});
}

TEST(CliSoundTypesTest, ASetWithoutSoundsIsAUsageErrorNamingTheFile) {
  TempFolder folder;
  folder.WriteWordFile("x", 3, {"KAT"});
  const ProcessResult run = RunProcess({"-w", folder.Path() + "x", "-t", "Halfrijm", "KAT"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(folder.Path() + "x.KLK"), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.empty());
}

TEST(CliWordGamesTest, BestScoreFirstAndLingosReasons) {
  KWINTEL_NEED_OPENTAAL();
  const ProcessResult feud = RunProcess({"-t", "Wordfeud", "-m", "3", "AEKRST? ..A.."});
  ASSERT_EQ(feud.status, 0) << feud.err;
  EXPECT_EQ(feud.Lines(), (std::vector<std::string>{"KRAST 10", "KRATS 10", "STARK 10", "Maximum: 3"}));
  const ProcessResult lingo = RunProcess({"-t", "Lingo", "KAART/g.... KOE/g.."});
  EXPECT_EQ(lingo.status, 1);
  EXPECT_EQ(lingo.err, "Patroon fout: Alle gokken moeten even lang zijn\n");
}

}  // namespace
}  // namespace kwintel::cli::e2e
