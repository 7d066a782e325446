#pragma once
// A sound pattern (Rijm, Halfrijm, Klinkt als) bound to a set's sound file: the pattern word's
// sound worked out once, from the file, or from a phoneme source for a word the file does not
// list.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/phoneme_source.h"
#include "engine/rhyme.h"
#include "engine/search_type.h"
#include "engine/sound_file.h"
#include "engine/sound_pattern.h"
#include "engine/sound_search.h"

namespace kwintel {

class SoundMatcher {
 public:
  // Nothing when the pattern word has no sound: the file does not list it, and `phonemes` (may be
  // null) gives none. `type` must be a sound type; `sounds` must outlive the matcher.
  static std::optional<SoundMatcher> Bind(SearchType type, const SoundPattern& pattern, const SoundFile& sounds,
                                          PhonemeSource* phonemes);

  const SoundFile& File() const { return *sounds_; }

  // The verdict on a word of the sound file, as a search walks them.
  bool Accepts(const SoundWord& word) const { return SoundSearchAccepts(rule_, pattern_, syllables_, word); }

  // The verdict on any word, as "&Doorzoeken" tests a line: its sound from the file, else from
  // `phonemes` (may be null); a word without a sound matches nothing.
  bool AcceptsWord(std::string_view word, PhonemeSource* phonemes) const;

 private:
  SoundMatcher(SoundRule rule, int syllables, const SoundFile& sounds)
      : rule_(rule), syllables_(syllables), sounds_(&sounds) {}

  SoundRule rule_;
  int syllables_;
  const SoundFile* sounds_;
  // A pattern word the file does not list, with its sound, where pattern_ points then; shared, so
  // that a copy or move of the matcher leaves the views valid.
  struct OwnSound {
    std::string word;
    SoundForm form;
  };
  std::shared_ptr<const OwnSound> own_;
  SoundWord pattern_;
};

}  // namespace kwintel
