#pragma once
// The sound rules of the search types Rijm (full rhyme), Halfrijm (assonance) and Klinkt als
// (homophones), over phoneme strings as the sound file holds them (engine/phonemes.h).
//
// Terms:
// - syllables: the number of vowel phonemes;
// - the rhyme part: everything from the vowel of the last stressed syllable (primary or secondary
//   stress, whichever comes last) to the end; a sound without a stress mark takes its last vowel;
// - the sound before the rhyme part: the consonants between it and the vowel before it (or the
//   word's start): "k" in kat, "r k l" in sinterklaas, "r d" in verjaardag; the vowel before it
//   when it follows one at once ("y" in ruïne, "r y 'i n @"); none when it starts the word (arm).
//
// Sounds are compared as heard rather than as spelt by espeak-ng: stress marks aside, and the
// variants espeak-ng writes for one Dutch sound taken as that sound (I: is ee before r, O: oo
// before r, E2 and I2 are E and I where it leaves them unstressed, 3 is the schwa of English
// loans, * the tap of a first r before another), so "meer" rhymes with "beer" although espeak-ng
// writes "m 'I: r" and "b 'e: r".

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kwintel {

// What the rules compare of one sound: its compared form (the phonemes as heard, one blank
// between them) with the places of its parts, and hashes that turn most comparisons away
// without reading the text. The views point into the storage of a SoundForm or a SoundFile.
struct SoundKeys {
  std::string_view whole;
  std::size_t rhymeAt = 0;       // the rhyme part starts here in `whole`; whole.size() without a vowel
  std::size_t beforeAt = 0;      // the sound before it starts here; rhymeAt when there is none
  std::size_t beforeTokens = 0;  // its phonemes
  std::string_view vowels;       // the vowels of the rhyme part, one blank between them
  std::uint32_t wholeHash = 0;
  std::uint32_t rhymeHash = 0;
  std::uint32_t vowelHash = 0;
  int syllables = 0;

  bool HasVowel() const { return syllables > 0; }
  std::string_view Rhyme() const { return whole.substr(rhymeAt); }
  std::string_view Before() const {
    return rhymeAt > beforeAt ? whole.substr(beforeAt, rhymeAt - beforeAt - 1) : std::string_view();
  }
  // The last `tokens` phonemes before the rhyme part, vowels too (all of them when there are
  // fewer); empty for 0.
  std::string_view BeforeOfLength(std::size_t tokens) const;
};

// Where AppendSoundForm put the parts of a compared form, from the form's first byte: the whole
// form, then at once its vowels; and what SoundKeys carries besides.
struct SoundLayout {
  std::size_t wholeLength = 0;
  std::size_t rhymeAt = 0;
  std::size_t beforeAt = 0;
  std::size_t beforeTokens = 0;
  std::size_t vowelsLength = 0;
  std::uint32_t wholeHash = 0;
  std::uint32_t rhymeHash = 0;
  std::uint32_t vowelHash = 0;
  int syllables = 0;
};

// Appends the compared form of `phonemes` to `out`: the whole form, then the rhyme part's
// vowels. Linear in the length of `phonemes`; allocates only to grow `out`.
SoundLayout AppendSoundForm(std::string_view phonemes, std::string& out);

// The keys of a form that AppendSoundForm wrote at `form`.
inline SoundKeys SoundKeysAt(const char* form, const SoundLayout& layout) {
  return SoundKeys{std::string_view(form, layout.wholeLength),
                   layout.rhymeAt,
                   layout.beforeAt,
                   layout.beforeTokens,
                   std::string_view(form + layout.wholeLength, layout.vowelsLength),
                   layout.wholeHash,
                   layout.rhymeHash,
                   layout.vowelHash,
                   layout.syllables};
}

// The compared form of one sound, owning its text: for a pattern, or a sound met once.
class SoundForm {
 public:
  explicit SoundForm(std::string_view phonemes) : layout_(AppendSoundForm(phonemes, text_)) {}
  SoundKeys Keys() const { return SoundKeysAt(text_.data(), layout_); }

 private:
  std::string text_;
  SoundLayout layout_;
};

// Rijm: the rhyme parts sound the same, and the word does not have the pattern's sound before the
// rhyme part just before its own: as many of its phonemes there differ from it, or the pattern's
// rhyme part starts its word and the word's does not. When they are the same, as in logisch and
// psychologisch, kat and boskat, wereld and bergwereld, the rhyme is identical rather than full.
// Measured by the pattern, the rule looks only as far back as the pattern's own sound before:
// sinterklaas ("r k l") rhymes with helaas ("e: l") and klaas ("k l"), verjaardag ("r d") with
// dag ("d"); the other way round, klaas does not rhyme with sinterklaas, nor dag with verjaardag.
inline bool IsFullRhyme(const SoundKeys& pattern, const SoundKeys& word) {
  if (word.rhymeHash != pattern.rhymeHash || !pattern.HasVowel() || word.Rhyme() != pattern.Rhyme()) return false;
  if (pattern.beforeTokens == 0) return word.rhymeAt > 0;
  return word.BeforeOfLength(pattern.beforeTokens) != pattern.Before();
}

// Halfrijm: the same vowels from the vowel of the last stressed syllable on, whatever the
// consonants (drank: ramp, plant, bank).
inline bool IsAssonance(const SoundKeys& pattern, const SoundKeys& word) {
  return word.vowelHash == pattern.vowelHash && pattern.HasVowel() && word.vowels == pattern.vowels;
}

// Klinkt als: the whole sound the same, stress aside (wijd, wijt).
inline bool SoundsAlike(const SoundKeys& pattern, const SoundKeys& word) {
  return word.wholeHash == pattern.wholeHash && pattern.HasVowel() && word.whole == pattern.whole;
}

// The same terms over phoneme strings as given.
int SyllableCount(std::string_view phonemes);
// The rhyme part in `phonemes`, from the stressed vowel's token (its stress mark included) to the
// end; empty without a vowel.
std::string_view RhymePart(std::string_view phonemes);
// The sound before the rhyme part in `phonemes` (its consonants as written there, from the first
// to the last); empty when there is none.
std::string_view SoundBeforeRhyme(std::string_view phonemes);
bool IsFullRhyme(std::string_view patternPhonemes, std::string_view wordPhonemes);
bool IsAssonance(std::string_view patternPhonemes, std::string_view wordPhonemes);
bool SoundsAlike(std::string_view patternPhonemes, std::string_view wordPhonemes);

}  // namespace kwintel
