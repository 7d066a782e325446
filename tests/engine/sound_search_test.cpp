#include "engine/sound_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kwintel {
namespace {

// The words of every length that a search of `rule` with `patternWord` and `syllables` keeps.
std::vector<std::string> Search(const SoundFile& sounds, SoundRule rule, std::string_view patternWord, int syllables) {
  const auto pattern = sounds.Find(patternWord);
  EXPECT_TRUE(pattern) << patternWord;
  std::vector<std::string> found;
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    for (const SoundWord word : sounds.WordsOfLength(length)) {
      if (SoundSearchAccepts(rule, *pattern, syllables, word)) found.emplace_back(word.word);
    }
  }
  return found;
}

TEST(SoundSearchTest, LeavesOutThePatternWordAndWordsOfOtherSyllableCounts) {
  const std::vector<char> bytes = [] {
    const std::string text =
        "DAT\td A t\nHARD\th 'A r t\nHART\th 'A r t\nKAT\tk 'A t\nKATTEN\tk 'A t @ n\nKRAT\tk r 'A t\n"
        "MAT\tm 'A t\nSCHAVOT\ts x a: v 'O t\nSOLDAAT\ts O l d 'a: t\nZANDKAT\tz 'A n t k ,A t\n";
    return std::vector<char>(text.begin(), text.end());
  }();
  const SoundFile sounds = SoundFile::FromContents(bytes);
  const struct {
    SoundRule rule;
    const char* pattern;
    int syllables;
    std::vector<std::string> found;
  } rows[] = {
      {SoundRule::kRhyme, "KAT", 0, {"DAT", "MAT", "KRAT"}},
      {SoundRule::kRhyme, "KAT", 1, {"DAT", "MAT", "KRAT"}},
      {SoundRule::kRhyme, "KAT", 2, {}},
      {SoundRule::kAssonance, "KAT", 0, {"DAT", "MAT", "HARD", "HART", "KRAT", "ZANDKAT"}},
      {SoundRule::kAssonance, "KAT", 2, {"ZANDKAT"}},
      {SoundRule::kHomophone, "HARD", 0, {"HART"}},
      {SoundRule::kHomophone, "HART", 1, {"HARD"}},
      {SoundRule::kHomophone, "HART", 3, {}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Search(sounds, row.rule, row.pattern, row.syllables), row.found) << row.pattern << " " << row.syllables;
  }
}

}  // namespace
}  // namespace kwintel
