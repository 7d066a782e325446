// Fuzz target: arbitrary bytes as a sound file, then look-ups and the three sound rules on what
// was read.
//
// Input: one line, a pattern of the sound search types as typed ("KAT", "VERJAARDAG 1"); then the
// bytes of the sound file: lines without a tab, empty words, over-long lines, control bytes, bytes
// of 128 and above, words out of order and twice, no final line end. Promises checked:
// - reading never crashes nor reads outside the bytes (the sanitizers watch);
// - the words of each length come in strictly rising byte order, have that word-file length, and
//   are found again by Find with the same phonemes; Size() counts them all;
// - each word's compared form is the one SoundForm makes of its phonemes, its rhyme part a tail of
//   it, the sound before lying before that, its syllables those SyllableCount gives;
// - for the pattern's word (or, when the file does not list it, the first word read) every rule
//   over every word agrees with the same rule over the phoneme strings; a full rhyme is an
//   assonance too, and sounding alike goes both ways.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/rhyme.h"
#include "engine/search_type.h"
#include "engine/sound_file.h"
#include "engine/sound_pattern.h"
#include "fuzz_check.h"
#include "fuzz_input.h"

namespace kwintel::fuzz {
namespace {

int FileLength(std::size_t bytes) {
  return bytes < static_cast<std::size_t>(kMaxWordLength) ? static_cast<int>(bytes) : kMaxWordLength;
}

void CheckKeys(const SoundWord& word) {
  const SoundForm form(word.phonemes);
  const SoundKeys expected = form.Keys();
  const SoundKeys& keys = word.keys;
  FUZZ_REQUIRE(keys.whole == expected.whole && keys.vowels == expected.vowels);
  FUZZ_REQUIRE(keys.rhymeAt == expected.rhymeAt && keys.beforeAt == expected.beforeAt);
  FUZZ_REQUIRE(keys.beforeTokens == expected.beforeTokens && keys.syllables == expected.syllables);
  FUZZ_REQUIRE(keys.wholeHash == expected.wholeHash && keys.rhymeHash == expected.rhymeHash &&
               keys.vowelHash == expected.vowelHash);
  FUZZ_REQUIRE(keys.whole.size() <= word.phonemes.size());
  FUZZ_REQUIRE(keys.rhymeAt <= keys.whole.size() && keys.beforeAt <= keys.rhymeAt);
  FUZZ_REQUIRE(keys.whole.ends_with(keys.Rhyme()));
  FUZZ_REQUIRE(keys.syllables == SyllableCount(word.phonemes));
  FUZZ_REQUIRE(keys.HasVowel() == !RhymePart(word.phonemes).empty());
}

void CheckRules(const SoundFile& sounds, const SoundWord& pattern) {
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    for (const SoundWord word : sounds.WordsOfLength(length)) {
      const bool rhyme = IsFullRhyme(pattern.keys, word.keys);
      const bool assonance = IsAssonance(pattern.keys, word.keys);
      const bool alike = SoundsAlike(pattern.keys, word.keys);
      FUZZ_REQUIRE(rhyme == IsFullRhyme(pattern.phonemes, word.phonemes));
      FUZZ_REQUIRE(assonance == IsAssonance(pattern.phonemes, word.phonemes));
      FUZZ_REQUIRE(alike == SoundsAlike(pattern.phonemes, word.phonemes));
      FUZZ_REQUIRE(!rhyme || assonance);
      FUZZ_REQUIRE(alike == SoundsAlike(word.keys, pattern.keys));
    }
  }
}

}  // namespace
}  // namespace kwintel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kwintel;
  using namespace kwintel::fuzz;
  InputLines input(data, size);
  const std::string typed(input.Next());
  const std::string_view bytes = input.Rest();
  const SoundFile sounds = SoundFile::FromContents(std::vector<char>(bytes.begin(), bytes.end()));

  std::size_t total = 0;
  std::optional<SoundWord> first;
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    const SoundFile::Words words = sounds.WordsOfLength(length);
    total += words.size();
    for (std::size_t i = 0; i < words.size(); ++i) {
      const SoundWord word = words[i];
      if (!first) first = word;
      FUZZ_REQUIRE(FileLength(word.word.size()) == length);
      if (i > 0) FUZZ_REQUIRE(words[i - 1].word < word.word);
      const std::optional<SoundWord> found = sounds.Find(word.word);
      FUZZ_REQUIRE(found && found->phonemes == word.phonemes);
      CheckKeys(word);
    }
  }
  FUZZ_REQUIRE(total == sounds.Size());

  const std::optional<SoundPattern> pattern = ParseSoundPattern(typed);
  std::optional<SoundWord> patternWord = pattern ? sounds.Find(pattern->word) : std::nullopt;
  if (!patternWord) patternWord = first;
  if (patternWord) CheckRules(sounds, *patternWord);
  return 0;
}
