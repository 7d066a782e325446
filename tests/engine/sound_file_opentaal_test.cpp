// The sound rules over the real sound file of the OpenTaal set, build/bin/opentaal.KLK, made by
// the build from espeak-ng and resources/sounds-nl.txt; skipped when the build made none.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/rhyme.h"
#include "engine/sound_file.h"
#include "engine/sound_pattern.h"
#include "engine/sound_search.h"

namespace kwintel {
namespace {

class OpenTaalSoundsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string path = std::string(KWINTEL_BIN_DIR) + "/opentaal.KLK";
    if (std::filesystem::exists(path)) loaded_ = new LoadedSoundFile(LoadSoundFile(path));
  }
  static void TearDownTestSuite() {
    delete loaded_;
    loaded_ = nullptr;
  }
  void SetUp() override {
    if (loaded_ == nullptr) GTEST_SKIP() << "no opentaal.KLK: the build was made without libespeak-ng";
    ASSERT_EQ(loaded_->state, SoundFileState::kRead) << loaded_->failure;
  }

  // The words a search of `rule` with pattern `typed` finds, shortest word file first, each in
  // its file's order, as a search over the word files walks them.
  static std::vector<std::string> Search(SoundRule rule, const std::string& typed) {
    const SoundFile& sounds = loaded_->sounds;
    const auto pattern = ParseSoundPattern(typed);
    EXPECT_TRUE(pattern) << typed;
    if (!pattern) return {};
    const auto patternWord = sounds.Find(pattern->word);
    EXPECT_TRUE(patternWord) << typed;
    if (!patternWord) return {};
    std::vector<std::string> found;
    for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
      for (const SoundWord word : sounds.WordsOfLength(length)) {
        if (SoundSearchAccepts(rule, *patternWord, pattern->syllables, word)) found.emplace_back(word.word);
      }
    }
    return found;
  }

  static bool Holds(const std::vector<std::string>& found, const std::string& word) {
    return std::find(found.begin(), found.end(), word) != found.end();
  }

  static LoadedSoundFile* loaded_;
};

LoadedSoundFile* OpenTaalSoundsTest::loaded_ = nullptr;

TEST_F(OpenTaalSoundsTest, FullRhymes) {
  const struct {
    std::string pattern;
    std::vector<std::string> rhymes;
    std::vector<std::string> not_;
  } rows[] = {
      {"KAT", {"DAT", "SCHAT", "STAD", "KRAT"}, {"KAT", "KATTEN", "KAM"}},
      {"GEDICHT", {"GEZICHT", "BERICHT", "LICHT", "LIGT"}, {"VERDICHT"}},
      {"SINTERKLAAS", {"BAAS", "KAAS", "HELAAS", "SPECULAAS"}, {}},
      {"LOGISCH", {"PEDAGOGISCH"}, {"PSYCHOLOGISCH", "BIOLOGISCH"}},
      {"VERJAARDAG 1", {"DAG", "LAG", "VLAG"}, {"VANDAAG"}},
      // Two corrections at work: kerstboom on boom, meneer with ee.
      {"KERSTBOOM", {"DROOM", "STROOM"}, {}},
      {"BOOM", {"DROOM"}, {"KERSTBOOM"}},
      {"MENEER", {"KEER", "WEER"}, {}},
  };
  for (const auto& row : rows) {
    const std::vector<std::string> found = Search(SoundRule::kRhyme, row.pattern);
    for (const std::string& word : row.rhymes) EXPECT_TRUE(Holds(found, word)) << row.pattern << ": " << word;
    for (const std::string& word : row.not_) EXPECT_FALSE(Holds(found, word)) << row.pattern << ": " << word;
  }
  EXPECT_EQ(Search(SoundRule::kRhyme, "WERELD"), std::vector<std::string>{});
}

TEST_F(OpenTaalSoundsTest, TheSyllableCountKeepsOnlyWordsOfThatMany) {
  const std::vector<std::string> found = Search(SoundRule::kRhyme, "VERJAARDAG 1");
  ASSERT_FALSE(found.empty());
  for (const std::string& word : found) EXPECT_EQ(loaded_->sounds.Find(word)->keys.syllables, 1) << word;
}

TEST_F(OpenTaalSoundsTest, AssonancesAndHomophones) {
  const std::vector<std::string> assonances = Search(SoundRule::kAssonance, "DRANK");
  for (const char* word : {"RAMP", "PLANT", "BANK"}) EXPECT_TRUE(Holds(assonances, word)) << word;
  const struct {
    std::string pattern;
    std::string alike;
  } rows[] = {{"HARD", "HART"}, {"WIJD", "WIJT"}, {"LIJDEN", "LEIDEN"}, {"HOUT", "HOUDT"}};
  for (const auto& row : rows) {
    const std::vector<std::string> found = Search(SoundRule::kHomophone, row.pattern);
    EXPECT_TRUE(Holds(found, row.alike)) << row.pattern;
    EXPECT_FALSE(Holds(found, row.pattern)) << row.pattern;
  }
}

TEST_F(OpenTaalSoundsTest, TheFileIsAsKwintelMkwordsWritesIt) {
  EXPECT_TRUE(loaded_->sounds.WellFormed());
  EXPECT_GT(loaded_->sounds.Size(), 400'000u);
  EXPECT_EQ(loaded_->sounds.PhonemesOf("CAKE"), "k 'e: k");  // from the corrections
}

}  // namespace
}  // namespace kwintel
