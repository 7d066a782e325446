#include "engine/rhyme.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace kwintel {
namespace {

struct PartCase {
  const char* name;
  std::string phonemes;
  std::string rhyme;   // RhymePart
  std::string before;  // SoundBeforeRhyme
  int syllables;
};

class RhymePartTest : public testing::TestWithParam<PartCase> {};

TEST_P(RhymePartTest, FindsTheLastStressedVowelAndWhatComesBefore) {
  const PartCase& c = GetParam();
  EXPECT_EQ(RhymePart(c.phonemes), c.rhyme);
  EXPECT_EQ(SoundBeforeRhyme(c.phonemes), c.before);
  EXPECT_EQ(SyllableCount(c.phonemes), c.syllables);
}

INSTANTIATE_TEST_SUITE_P(Rows, RhymePartTest,
                         testing::Values(PartCase{"Primary", "Q @ d 'I x t", "'I x t", "d", 2},
                                         PartCase{"SecondaryAfterPrimary", "v @ r j 'a: r d ,A x", ",A x", "r d", 3},
                                         PartCase{"PrimaryAfterSecondary", "s ,I n t @ r k l 'a: s", "'a: s", "r k l",
                                                  3},
                                         PartCase{"NoStressTakesTheLastVowel", "d A t", "A t", "d", 1},
                                         PartCase{"NoStressSeveralVowels", "h a: r @ n", "@ n", "r", 2},
                                         PartCase{"RhymeStartsTheWord", "'A r m", "'A r m", "", 1},
                                         PartCase{"VowelRightAfterAVowel", "r y 'i n @", "'i n @", "y", 3},
                                         PartCase{"StressedVowelEndsTheWord", "b y r 'o:", "'o:", "r", 2},
                                         PartCase{"StressMarkBeforeAConsonant", "'k A t", "A t", "'k", 1},
                                         PartCase{"NoVowel", "k l m", "", "", 0}, PartCase{"Empty", "", "", "", 0},
                                         PartCase{"ExtraBlanks", "  k  'A t  ", "'A t", "k", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RuleCase {
  const char* name;
  std::string pattern;
  std::string word;
  bool fullRhyme;
  bool assonance;
  bool alike;
};

class SoundRulesTest : public testing::TestWithParam<RuleCase> {};

TEST_P(SoundRulesTest, DecideAsHeard) {
  const RuleCase& c = GetParam();
  EXPECT_EQ(IsFullRhyme(c.pattern, c.word), c.fullRhyme);
  EXPECT_EQ(IsAssonance(c.pattern, c.word), c.assonance);
  EXPECT_EQ(SoundsAlike(c.pattern, c.word), c.alike);
}

// The phoneme strings are espeak-ng's for the words named.
INSTANTIATE_TEST_SUITE_P(
    Rows, SoundRulesTest,
    testing::Values(
        RuleCase{"KatDat", "k 'A t", "d A t", true, true, false},
        RuleCase{"KatKrat", "k 'A t", "k r 'A t", true, true, false},
        RuleCase{"KatBoskatIsIdentical", "k 'A t", "b 'O s k ,A t", false, true, false},
        RuleCase{"KatKam", "k 'A t", "k 'A m", false, true, false},
        RuleCase{"GedichtLicht", "Q @ d 'I x t", "l 'I x t", true, true, false},
        RuleCase{"GedichtVerdichtIsIdentical", "Q @ d 'I x t", "v @ r d 'I x t", false, true, false},
        RuleCase{"SinterklaasHelaas", "s ,I n t @ r k l 'a: s", "h e: l 'a: s", true, true, false},
        RuleCase{"SinterklaasKlaas", "s ,I n t @ r k l 'a: s", "k l 'a: s", true, true, false},
        RuleCase{"KlaasSinterklaasIsIdentical", "k l 'a: s", "s ,I n t @ r k l 'a: s", false, true, false},
        RuleCase{"VerjaardagDag", "v @ r j 'a: r d ,A x", "d 'A x", true, true, false},
        RuleCase{"DagVerjaardagIsIdentical", "d 'A x", "v @ r j 'a: r d ,A x", false, true, false},
        RuleCase{"LogischPsychologischIsIdentical", "l 'o: Q i s", "p s ,I x o: l 'o: Q i s", false, true, false},
        RuleCase{"WereldBergwereldIsIdentical", "v# 'I: r @ l t", "b @ r Q v# 'I: r @ l t", false, true, false},
        RuleCase{"ArmWarm", "'A r m", "v# 'A r m", true, true, false},
        RuleCase{"ArmAfterArmIsIdentical", "'A r m", "'A r m", false, true, true},
        RuleCase{"StressMarksAside", "h 'A r t", "h A r t", false, true, true},
        RuleCase{"HardHart", "h 'A r t", "h 'A r t", false, true, true},
        // espeak-ng writes ee before r as I: in meer but e: in beer.
        RuleCase{"MeerBeer", "m 'I: r", "b 'e: r", true, true, false},
        RuleCase{"VoorDoor", "v 'O: r", "d 'o: r", true, true, false},
        RuleCase{"DrankRamp", "d r 'A N k", "r 'A m p", false, true, false},
        RuleCase{"DrankBank", "d r 'A N k", "b 'A N k", true, true, false},
        RuleCase{"AssonanceCountsEveryVowelOfTheRhymePart", "k 'A t", "k 'A t @ n", false, false, false},
        RuleCase{"SecondaryStressCounts", "d 'A x", "z 'O n d A x", false, false, false},
        RuleCase{"NoVowelMatchesNothing", "k l m", "k l m", false, false, false},
        RuleCase{"EmptyMatchesNothing", "", "", false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The compared form and the phoneme-string functions come from one walk; random strings of
// vowels, consonants, stress marks and blanks must agree between them on the rhyme part, the
// sound before it and the syllables.
TEST(SoundFormTest, AgreesWithThePhonemeStringFunctions) {
  const std::vector<std::string> tokens = {
      "k", "t", "s", "v#", "r", "A", "a:", "@", "I:", "EI", "'A", ",e:", "'", ",", "E2", "*", "x", "q"};
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, tokens.size() - 1);
  std::uniform_int_distribution<int> count(0, 9);
  std::uniform_int_distribution<int> blanks(1, 2);
  for (int round = 0; round < 5000; ++round) {
    std::string phonemes;
    for (int i = count(random); i > 0; --i) phonemes += tokens[pick(random)] + std::string(blanks(random), ' ');
    const SoundForm form(phonemes);
    const SoundKeys keys = form.Keys();
    ASSERT_EQ(keys.syllables, SyllableCount(phonemes)) << phonemes;
    // The raw parts, heard: stress marks dropped, espeak-ng's variants merged, one blank.
    ASSERT_EQ(keys.Rhyme(), SoundForm(RhymePart(phonemes)).Keys().whole) << phonemes;
    ASSERT_EQ(keys.Before(), SoundForm(SoundBeforeRhyme(phonemes)).Keys().whole) << phonemes;
    ASSERT_EQ(keys.BeforeOfLength(keys.beforeTokens), keys.Before()) << phonemes;
  }
}

TEST(SoundFormTest, BeforeOfLengthStopsAtTheWordsStart) {
  const SoundForm form("v @ r j 'a: r d ,A x");
  const SoundKeys keys = form.Keys();
  EXPECT_EQ(keys.BeforeOfLength(0), "");
  EXPECT_EQ(keys.BeforeOfLength(1), "d");
  EXPECT_EQ(keys.BeforeOfLength(3), "a: r d");
  EXPECT_EQ(keys.BeforeOfLength(99), "v @ r j a: r d");
  EXPECT_EQ(keys.vowels, "A");
  EXPECT_EQ(SoundForm("'A r m").Keys().BeforeOfLength(2), "");
}

}  // namespace
}  // namespace kwintel
