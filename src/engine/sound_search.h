#pragma once
// The whole verdict of a sound search (Rijm, Halfrijm, Klinkt als) on one word of the sound file,
// for a search that walks SoundFile::WordsOfLength as it would walk the word files.

#include "engine/rhyme.h"
#include "engine/sound_file.h"

namespace kwintel {

enum class SoundRule {
  kRhyme,      // Rijm: IsFullRhyme
  kAssonance,  // Halfrijm: IsAssonance
  kHomophone,  // Klinkt als: SoundsAlike
};

// Whether `word` belongs in the result: not the pattern's word itself, of exactly `syllables`
// syllables unless that is 0 (SoundPattern::syllables), and accepted by the rule against the
// pattern's word as the sound file holds it. A few comparisons of numbers for most words.
inline bool SoundSearchAccepts(SoundRule rule, const SoundWord& pattern, int syllables, const SoundWord& word) {
  if (syllables != 0 && word.keys.syllables != syllables) return false;
  bool accepted = false;
  switch (rule) {
    case SoundRule::kRhyme:
      accepted = IsFullRhyme(pattern.keys, word.keys);
      break;
    case SoundRule::kAssonance:
      accepted = IsAssonance(pattern.keys, word.keys);
      break;
    case SoundRule::kHomophone:
      accepted = SoundsAlike(pattern.keys, word.keys);
      break;
  }
  return accepted && word.word != pattern.word;
}

}  // namespace kwintel
