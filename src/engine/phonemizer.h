#pragma once
// The phonemes of Dutch words from libespeak-ng (voice "nl"), in the form the sound file holds
// (engine/phonemes.h). Built only where libespeak-ng is (KWINTEL_HAVE_ESPEAK).

#include <string>
#include <string_view>

namespace kwintel {

// Owns libespeak-ng's initialisation for its lifetime: no sound output, the Dutch voice chosen.
// The library keeps its state in the process, not in this object, so only one Phonemizer may live
// at a time, and only one thread may use it. Make it once per process, too: libespeak-ng 1.51
// (Debian 12) cannot be started again after it was ended with a voice chosen; its second
// espeak_Terminate waits for ever on a thread of the first.
class Phonemizer {
 public:
  // Starts the library; Ready() tells whether that worked.
  Phonemizer();
  ~Phonemizer();
  Phonemizer(const Phonemizer&) = delete;
  Phonemizer& operator=(const Phonemizer&) = delete;

  bool Ready() const { return failure_.empty(); }
  // Why the library could not start (Dutch, for a message); empty when Ready().
  const std::string& Failure() const { return failure_; }

  // The phonemes of one word (Windows-1252 bytes, any letter case), normalised by
  // NormalisePhonemes; empty when espeak-ng gives it no sound or the object is not Ready(). The
  // word is read in small letters, since espeak-ng reads an accented capital as a letter name
  // ("CRÊPES" as "s e: r E p E s"). About 18 microseconds a word: the OpenTaal list in 7.5 s.
  std::string PhonemesOf(std::string_view word);

 private:
  std::string failure_;
  bool initialised_ = false;
};

}  // namespace kwintel
