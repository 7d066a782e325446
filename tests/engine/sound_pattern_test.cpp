#include "engine/sound_pattern.h"

#include <gtest/gtest.h>

#include <string>

namespace kwintel {
namespace {

struct PatternCase {
  const char* name;
  std::string text;
  bool accepted;
  std::string word;
  int syllables;
};

class SoundPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(SoundPatternTest, AcceptsAWordAndAnOptionalSyllableCount) {
  const PatternCase& c = GetParam();
  const auto pattern = ParseSoundPattern(c.text);
  ASSERT_EQ(pattern.has_value(), c.accepted);
  if (!pattern) return;
  EXPECT_EQ(pattern->word, c.word);
  EXPECT_EQ(pattern->syllables, c.syllables);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SoundPatternTest,
    testing::Values(
        PatternCase{"Word", "KAT", true, "KAT", 0},
        PatternCase{"SmallLettersBecomeCapitals", "verjaardag", true, "VERJAARDAG", 0},
        PatternCase{"AccentedLetters", "caf\xE9 ru\xEFne", false, "", 0},
        PatternCase{"AccentedWord", "caf\xE9", true, "CAF\xC9", 0},
        PatternCase{"Cp1252Letters", "\x9A\x9C\xFF", true, "\x8A\x8C\x9F", 0},
        PatternCase{"Syllables", "VERJAARDAG 1", true, "VERJAARDAG", 1},
        PatternCase{"LargestSyllables", "kat 999", true, "KAT", 999}, PatternCase{"Empty", "", false, "", 0},
        PatternCase{"OnlyABlank", " ", false, "", 0}, PatternCase{"LeadingBlank", " KAT", false, "", 0},
        PatternCase{"Digits", "KAT2", false, "", 0}, PatternCase{"Wildcard", "K*T", false, "", 0},
        PatternCase{"Hyphen", "ZEE-EGEL", false, "", 0}, PatternCase{"TimesSign", "K\xD7T", false, "", 0},
        PatternCase{"BlankWithoutNumber", "KAT ", false, "", 0}, PatternCase{"TwoBlanks", "KAT  2", false, "", 0},
        PatternCase{"Zero", "KAT 0", false, "", 0}, PatternCase{"Negative", "KAT -1", false, "", 0},
        PatternCase{"TooLarge", "KAT 1000", false, "", 0}, PatternCase{"NotAWholeNumber", "KAT 1.5", false, "", 0},
        PatternCase{"TextAfterTheNumber", "KAT 2 X", false, "", 0}, PatternCase{"TwoWords", "KAT DAT", false, "", 0},
        PatternCase{"TabInstead", "KAT\t2", false, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kwintel
