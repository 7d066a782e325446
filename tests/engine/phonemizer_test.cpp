// Only where libespeak-ng is built in: its Dutch voice, through the one Phonemizer of the process
// (libespeak-ng cannot be started a second time in one process, so the tests share one).
#ifdef KWINTEL_HAVE_ESPEAK

#include "engine/phonemizer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/phonemes.h"

namespace kwintel {
namespace {

class PhonemizerTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { phonemizer_ = std::make_unique<Phonemizer>(); }
  static void TearDownTestSuite() { phonemizer_.reset(); }
  void SetUp() override { ASSERT_TRUE(phonemizer_->Ready()) << phonemizer_->Failure(); }
  static std::string Phonemes(std::string_view word) { return phonemizer_->PhonemesOf(word); }

 private:
  static std::unique_ptr<Phonemizer> phonemizer_;
};

std::unique_ptr<Phonemizer> PhonemizerTest::phonemizer_;

TEST_F(PhonemizerTest, GivesEspeakNgsDutchPhonemesInTheSoundFileForm) {
  // The stress mark stands before the stressed vowel, attached to it.
  EXPECT_EQ(Phonemes("KAT"), "k 'A t");
  EXPECT_EQ(Phonemes("SINTERKLAAS"), "s ,I n t @ r k l 'a: s");
  EXPECT_EQ(Phonemes("VERJAARDAG"), "v @ r j 'a: r d ,A x");
  // A vowel at the start has a glottal stop before it, which is no sound of the word.
  EXPECT_EQ(Phonemes("ARM"), "'A r m");
  // Capitals, accented ones too, are read as small letters.
  EXPECT_EQ(Phonemes("CAF\xC9"), Phonemes("caf\xE9"));
  EXPECT_EQ(Phonemes("CR\xCA"
                     "PES"),
            Phonemes("cr\xEA"
                     "pes"));
  EXPECT_EQ(Phonemes(""), "");
}

TEST_F(PhonemizerTest, LoanWordsAndPunctuationLeaveNoMarks) {
  for (const char* word : {"ANDROID", "LAPTOP", "A.K. DOERGASAWSTRAAT", "100+'ER", "DR. W. DREESSTRAAT", "06-DEALER"}) {
    const std::string phonemes = Phonemes(word);
    EXPECT_FALSE(phonemes.empty()) << word;
    EXPECT_EQ(NormalisePhonemes(phonemes), phonemes) << word;
    EXPECT_EQ(phonemes.find_first_of("()_|!"), std::string::npos) << word << ": " << phonemes;
  }
}

}  // namespace
}  // namespace kwintel

#endif
