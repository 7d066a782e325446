#include "mkwords/sounds_file_builder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kwintel {
namespace {

std::optional<SoundFixes> Read(const std::string& table, std::string& failure) {
  std::istringstream in(table);
  return ReadSoundFixes(in, failure);
}

TEST(ReadSoundFixesTest, TakesWordsAsTheWordFilesHoldThemAndNormalisesTheirPhonemes) {
  std::string failure;
  const auto fixes = Read(
      "\xEF\xBB\xBF# Engelse leenwoorden\n"
      "cake\tk 'e: k\r\n"
      "\n"
      "caf\xC3\xA9\t  k a: f  'e: \n"
      "#genie\tZ @ n 'i\n"
      "Kerstboom\tk 'E r s t b ,o: m\n",
      failure);
  ASSERT_TRUE(fixes) << failure;
  EXPECT_EQ(*fixes, (SoundFixes{{"CAKE", "k 'e: k"}, {"CAF\xC9", "k a: f 'e:"}, {"KERSTBOOM", "k 'E r s t b ,o: m"}}));
}

TEST(ReadSoundFixesTest, ABadLineRefusesTheTableAndIsNamed) {
  const struct {
    std::string table;
    std::string failure;
  } rows[] = {
      {"kat\tk 'A t\nkat k 'A t\n", "regel 2: geen tab tussen woord en klank"},
      {"a\t'a:\n", "regel 1: geen woord voor de woordbestanden"},
      {"CO\xE2\x82\x82\tk 'o:\n", "regel 1: geen woord voor de woordbestanden"},
      {"kat\t\n", "regel 1: geen klank"},
      {"kat\t_! (en)\n", "regel 1: geen klank"},
      {"# uitleg\nkat\tk 'A q\n", "regel 2: onbekende klank 'q'"},
      {"kat\tk 'Aa t\n", "regel 1: onbekende klank 'Aa'"},
      {"kat\tk 'A t\nKat\tk 'A t\n", "regel 2: woord staat er al eerder in"},
  };
  for (const auto& row : rows) {
    std::string failure;
    EXPECT_FALSE(Read(row.table, failure)) << row.table;
    EXPECT_EQ(failure, row.failure) << row.table;
  }
}

WordLists SetOf(const std::vector<std::string>& lines) {
  WordListBuilder builder;
  for (const std::string& line : lines) builder.AddLine(line);
  return builder.Finish();
}

TEST(SoundsFileContentsTest, OneLinePerWordSortedAcrossLengthsWithTheFixesFirst) {
  const WordLists set = SetOf({"zee", "ab", "abc", "b\xC3\xA9", "kat", std::string(25, 'a')});
  std::vector<std::string> asked;
  SoundsFileReport report;
  const std::string contents = SoundsFileContents(
      set, SoundFixes{{"KAT", "k 'A t"}, {"HOND", "h 'O n t"}},
      [&](std::string_view word) {
        asked.emplace_back(word);
        // Phonemes as espeak-ng gives them: normalised on the way in; none for ZEE.
        return word == "ZEE" ? std::string("_!") : "_! " + std::string(word.size(), 'A');
      },
      report);
  EXPECT_EQ(contents, std::string(25, 'A') + "\t" + std::string(25, 'A') +
                          "\n"
                          "AB\tAA\n"
                          "ABC\tAAA\n"
                          "B\xC9\tAA\n"
                          "KAT\tk 'A t\n"
                          "ZEE\t\n");
  EXPECT_EQ(asked, (std::vector<std::string>{std::string(25, 'A'), "AB", "ABC", "B\xC9", "ZEE"}));
  EXPECT_EQ(report.words, 6u);
  EXPECT_EQ(report.fixed, 1u);
  EXPECT_EQ(report.unused, 1u);
  EXPECT_EQ(report.soundless, 1u);
}

TEST(SoundsFileContentsTest, ASoundTooLongForTheFileIsWrittenEmpty) {
  // 513 phonemes "A" make 1025 bytes, one more than a sound file's line may hold; 512 fit.
  for (const int phonemes : {512, 513}) {
    std::string sound = "A";
    for (int i = 1; i < phonemes; ++i) sound += " A";
    SoundsFileReport report;
    const std::string contents = SoundsFileContents(
        SetOf({"kat"}), {}, [&](std::string_view) { return sound; }, report);
    EXPECT_EQ(contents, phonemes == 512 ? "KAT\t" + sound + "\n" : "KAT\t\n") << phonemes;
    EXPECT_EQ(report.soundless, phonemes == 512 ? 0u : 1u) << phonemes;
  }
}

}  // namespace
}  // namespace kwintel
