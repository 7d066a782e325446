#pragma once
// Where the sound of a word comes from that the set's sound file does not list (a name, a new
// word): libespeak-ng in the programs (engine/phonemizer.h).

#include <string>
#include <string_view>

namespace kwintel {

class PhonemeSource {
 public:
  virtual ~PhonemeSource() = default;
  // The phonemes of `word` (Windows-1252) as the sound file would hold them; empty when there is
  // no sound for it.
  virtual std::string PhonemesOf(std::string_view word) = 0;
};

}  // namespace kwintel
