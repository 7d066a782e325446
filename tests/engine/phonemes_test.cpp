#include "engine/phonemes.h"

#include <gtest/gtest.h>

#include <string>

namespace kwintel {
namespace {

struct NormaliseCase {
  const char* name;
  std::string espeak;  // as espeak-ng prints it with a blank as separator
  std::string normalised;
};

class NormalisePhonemesTest : public testing::TestWithParam<NormaliseCase> {};

TEST_P(NormalisePhonemesTest, GivesTheSoundFileForm) {
  const NormaliseCase& c = GetParam();
  EXPECT_EQ(NormalisePhonemes(c.espeak), c.normalised);
  // Normalising twice changes nothing: the corrections table and the writer both normalise.
  EXPECT_EQ(NormalisePhonemes(c.normalised), c.normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NormalisePhonemesTest,
    testing::Values(NormaliseCase{"Plain", "k 'A t", "k 'A t"},
                    NormaliseCase{"BlanksAndLineEnds", "  k  'A\tt \n", "k 'A t"},
                    NormaliseCase{"GlottalStopAndPauses", "_! 'a: n _| ,e: _ y: _: _:", "'a: n ,e: y:"},
                    NormaliseCase{"LanguageSwitches", "(en) l 'a p t 0 p (nl)", "l 'a p t 0 p"},
                    NormaliseCase{"EmptyMarks", "h 'O n d @ r ! t Q @- * 'a:", "h 'O n d @ r t Q * 'a:"},
                    NormaliseCase{"PalatalisationJoinsItsConsonant", "k 'A t ; @", "k 'A t; @"},
                    NormaliseCase{"PalatalisationWithNothingBefore", "; 'a:", "'a:"},
                    NormaliseCase{"StressOnAPauseMovesToTheVowel", "'_! a: n", "'a: n"},
                    NormaliseCase{"StressBeforeAConsonantWaitsForTheVowel", "' k A t", "k 'A t"},
                    NormaliseCase{"PrimaryWinsOverSecondary", ", 'A t", "'A t"},
                    NormaliseCase{"StressWithoutAVowelIsDropped", "k 'A t '", "k 'A t"},
                    NormaliseCase{"NothingButMarks", "_! (en) _|", ""}, NormaliseCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PhonemeSetTest, TellsVowelsFromConsonants) {
  for (const char* vowel : {"@", "a:", "A",  "E",  "E2", "I",  "I:", "i",  "e:", "O",  "O:", "o:", "8",
                            "u", "y",  "Y:", "EI", "Wy", "VU", "eU", "yU", "A~", "i:", "3:", "oU"}) {
    EXPECT_TRUE(IsVowelPhoneme(vowel)) << vowel;
    EXPECT_TRUE(IsKnownPhoneme(vowel)) << vowel;
  }
  for (const char* consonant : {"k", "t", "Q", "v#", "x", "N", "n^", "S", "Z", "*", "t;", "dZ"}) {
    EXPECT_FALSE(IsVowelPhoneme(consonant)) << consonant;
    EXPECT_TRUE(IsKnownPhoneme(consonant)) << consonant;
  }
  // Near misses: a stress mark still on, a vowel with another byte, bytes of 128 and above.
  for (const char* other : {"", "'A", "a:x", "EI2", "Y", "q", "\xE9", "A\xFF"}) {
    EXPECT_FALSE(IsVowelPhoneme(other)) << other;
  }
  EXPECT_FALSE(IsKnownPhoneme("q"));
  EXPECT_FALSE(IsKnownPhoneme("_!"));
}

}  // namespace
}  // namespace kwintel
