#pragma once
// The sound file of a word-file set (PREFIX.KLK, read by engine/sound_file.h): "WORD<TAB>PHONEMES"
// lines for every word of the set, sorted by byte value, the phonemes from espeak-ng unless a
// table of corrections says otherwise.

#include <cstddef>
#include <functional>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "word_list_builder.h"

namespace kwintel {

// Words whose sound espeak-ng gets wrong: word (as the word files hold it) -> phonemes.
using SoundFixes = std::map<std::string, std::string, std::less<>>;

// Reads a table of corrections: UTF-8 lines "WORD<TAB>PHONEMES" in espeak-ng's "nl" mnemonics;
// empty lines and lines starting with '#' are skipped; a line may end in CR LF. Each word is
// converted as a line of the word list is and its phonemes normalised (NormalisePhonemes). A
// hand-written table has no business with a bad line, so the first one refuses the whole table:
// nothing, with `failure` saying which line and why (Dutch), when a line has no tab, a word the
// word files cannot hold, no phonemes, a phoneme espeak-ng's "nl" voice does not know, or a word
// listed before.
std::optional<SoundFixes> ReadSoundFixes(std::istream& table, std::string& failure);

struct SoundsFileReport {
  std::size_t words = 0;      // lines written: every word of the set
  std::size_t fixed = 0;      // of them, sounds taken from the corrections
  std::size_t unused = 0;     // corrections for words the set does not hold
  std::size_t soundless = 0;  // words written with empty phonemes (no sound, or too long a one)
};

// The sound file of `set`: one "WORD\tPHONEMES\n" line per word, sorted by the word's bytes. The
// phonemes of a word come from `fixes` when it lists the word, else from phonemesOf(word), called
// once per word, one word at a time, in the file's order; the caller's phonemes are normalised
// again, so any blanks do. A sound longer than a sound file's line may hold is written empty.
std::string SoundsFileContents(const WordLists& set, const SoundFixes& fixes,
                               const std::function<std::string(std::string_view)>& phonemesOf,
                               SoundsFileReport& report);

}  // namespace kwintel
