#include "engine/sound_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <utility>
#include <vector>

#include "word_file_fixture.h"

namespace kwintel {
namespace {

SoundFile Parse(std::string_view bytes) {
  return SoundFile::FromContents(std::vector<char>(bytes.begin(), bytes.end()));
}

// The words of `length` as "WORD=PHONEMES" items, in the order handed out.
std::vector<std::string> WordsOf(const SoundFile& sounds, int length) {
  std::vector<std::string> words;
  for (const SoundWord word : sounds.WordsOfLength(length)) {
    words.push_back(std::string(word.word) + "=" + std::string(word.phonemes));
  }
  return words;
}

struct DamageCase {
  const char* name;
  std::string contents;
  std::vector<std::string> threeLetterWords;  // what WordsOfLength(3) hands out
  std::size_t damaged;
};

class SoundFileLines : public testing::TestWithParam<DamageCase> {};

TEST_P(SoundFileLines, GiveTheirWordsAndPassOverDamage) {
  const DamageCase& c = GetParam();
  const SoundFile sounds = Parse(c.contents);
  EXPECT_EQ(WordsOf(sounds, 3), c.threeLetterWords);
  EXPECT_EQ(sounds.DamagedLines(), c.damaged);
  EXPECT_EQ(sounds.WellFormed(), c.damaged == 0 && c.name != std::string("OutOfOrder"));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SoundFileLines,
    testing::Values(
        DamageCase{"Plain", "DAT\td A t\nKAT\tk 'A t\n", {"DAT=d A t", "KAT=k 'A t"}, 0},
        DamageCase{"CrLfAndNoLastLineEnd", "DAT\td A t\r\nKAT\tk 'A t", {"DAT=d A t", "KAT=k 'A t"}, 0},
        DamageCase{"EmptyPhonemes", "DAT\t\nKAT\tk 'A t\n", {"DAT=", "KAT=k 'A t"}, 0},
        DamageCase{"OutOfOrder", "KAT\tk 'A t\nDAT\td A t\n", {"DAT=d A t", "KAT=k 'A t"}, 0},
        DamageCase{"TwiceKeepsTheFirst", "KAT\tk 'A t\nDAT\td A t\nKAT\tx\n", {"DAT=d A t", "KAT=k 'A t"}, 1},
        DamageCase{"NoTab", "DAT d A t\nKAT\tk 'A t\n", {"KAT=k 'A t"}, 1},
        DamageCase{"EmptyWordAndOneLetter", "\tk 'A t\nA\t'a:\nKAT\tk 'A t\n", {"KAT=k 'A t"}, 2},
        DamageCase{"EmptyLines", "\n\nKAT\tk 'A t\n\n", {"KAT=k 'A t"}, 3},
        DamageCase{"ControlByteInTheWord", "D\x01T\td A t\nKAT\tk 'A t\n", {"KAT=k 'A t"}, 1},
        DamageCase{"SecondTab", "DAT\td\tA t\nKAT\tk 'A t\n", {"KAT=k 'A t"}, 1},
        DamageCase{"NonAsciiPhonemes", "DAT\td \xC9 t\nKAT\tk 'A t\n", {"KAT=k 'A t"}, 1},
        DamageCase{"OverLongWord", std::string(256, 'A') + "\t'a:\nKAT\tk 'A t\n", {"KAT=k 'A t"}, 1},
        DamageCase{"OverLongPhonemes", "DAT\t" + std::string(1025, 'A') + "\nKAT\tk 'A t\n", {"KAT=k 'A t"}, 1},
        DamageCase{"BinaryGarbage", std::string("\0\xFF\t\n\x01\x02\x03", 7), {}, 2}, DamageCase{"Empty", "", {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoundFileTest, WordsGoToTheirWordFileLengthInByteOrder) {
  const std::string longWord(25, 'Z');
  const SoundFile sounds = Parse("AAP\t'a: p\nCAF\xC9\tk a: f 'e:\nKAT\tk 'A t\nROOS\tr 'o: s\n" + longWord +
                                 "\tz 'E t\nZEE\tz 'e:\n\xC9\xC9N\t'e: n\n");
  EXPECT_EQ(sounds.Size(), 7u);
  EXPECT_EQ(WordsOf(sounds, 3), (std::vector<std::string>{"AAP='a: p", "KAT=k 'A t", "ZEE=z 'e:", "\xC9\xC9N='e: n"}));
  EXPECT_EQ(WordsOf(sounds, 4), (std::vector<std::string>{"CAF\xC9=k a: f 'e:", "ROOS=r 'o: s"}));
  EXPECT_EQ(WordsOf(sounds, 19), (std::vector<std::string>{longWord + "=z 'E t"}));
  EXPECT_TRUE(sounds.WordsOfLength(2).empty());
  EXPECT_TRUE(sounds.WordsOfLength(1).empty());
  EXPECT_TRUE(sounds.WordsOfLength(20).empty());
  EXPECT_EQ(sounds.WordsOfLength(3)[1].keys.Rhyme(), "A t");
}

TEST(SoundFileTest, FindsExactlyTheListedWords) {
  const SoundFile sounds = Parse("DAT\td A t\nKAT\tk 'A t\nKATTEN\tk 'A t @ n\nZEE\t\n");
  EXPECT_EQ(sounds.PhonemesOf("KAT"), "k 'A t");
  EXPECT_EQ(sounds.PhonemesOf("DAT"), "d A t");
  EXPECT_EQ(sounds.PhonemesOf("ZEE"), "");
  for (const char* other : {"kat", "KA", "KATT", "", "K", "ZZZ", "AAA"})
    EXPECT_FALSE(sounds.PhonemesOf(other)) << other;
  const auto found = sounds.Find("KATTEN");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->keys.syllables, 2);
  EXPECT_FALSE(SoundFile().Find("KAT"));
}

TEST(SoundFileTest, AMovedFileStillAnswers) {
  // So short a file sits inside a std::string's own bytes, which a move copies.
  SoundFile first = Parse("KAT\tk 'A t\n");
  SoundFile moved = std::move(first);
  SoundFile assigned;
  assigned = std::move(moved);
  const auto found = assigned.Find("KAT");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->keys.whole, "k A t");
}

TEST(SoundFileTest, TheRulesRunOverTheWordsOfALength) {
  const SoundFile sounds = Parse("BAAS\tb 'a: s\nHART\th 'A r t\nKAAS\tk 'a: s\nKLAAS\tk l 'a: s\nLAAS\tl 'a: s\n");
  const auto pattern = sounds.Find("KLAAS");
  ASSERT_TRUE(pattern);
  std::vector<std::string> rhymes;
  for (const SoundWord word : sounds.WordsOfLength(4)) {
    if (IsFullRhyme(pattern->keys, word.keys)) rhymes.emplace_back(word.word);
  }
  EXPECT_EQ(rhymes, (std::vector<std::string>{"BAAS", "KAAS", "LAAS"}));
}

TEST(LoadSoundFileTest, MissingUnreadableAndReadFiles) {
  testing_support::TempFolder folder;

  LoadedSoundFile missing = LoadSoundFile(folder.Path() + "/ot.KLK");
  EXPECT_EQ(missing.state, SoundFileState::kMissing);
  EXPECT_EQ(LoadSoundFile(folder.Path() + "/ot.KLK/x").state, SoundFileState::kMissing);

  LoadedSoundFile aFolder = LoadSoundFile(folder.Path());
  EXPECT_EQ(aFolder.state, SoundFileState::kUnreadable);
  EXPECT_FALSE(aFolder.failure.empty());

  const std::string fifo = folder.Path() + "/fifo.KLK";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(LoadSoundFile(fifo).state, SoundFileState::kUnreadable);  // and does not block

  const std::string path = folder.Write("ot.KLK", "KAT\tk 'A t\nkapot\n");
  LoadedSoundFile read = LoadSoundFile(path);
  EXPECT_EQ(read.state, SoundFileState::kRead);
  EXPECT_EQ(read.sounds.PhonemesOf("KAT"), "k 'A t");
  EXPECT_EQ(read.sounds.DamagedLines(), 1u);
}

}  // namespace
}  // namespace kwintel
