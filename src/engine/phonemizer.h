#pragma once
// The phonemes of Dutch words from libespeak-ng (voice "nl"), in the form the sound file holds
// (engine/phonemes.h). Built only where libespeak-ng is (KWINTEL_HAVE_ESPEAK).

#include <memory>
#include <string>
#include <string_view>

#include "engine/phoneme_source.h"

namespace kwintel {

// Owns libespeak-ng's initialisation from its first use to its end: no sound output, the Dutch
// voice chosen. The library is loaded then too (libespeak-ng.so.1), so a program that never asks
// for a sound never loads it. The library keeps its state in the process, not in this object, so
// only one Phonemizer may live at a time, and only one thread may use it. Make it once per
// process, too: libespeak-ng 1.51 (Debian 12) cannot be started again after it was ended with a
// voice chosen; its second espeak_Terminate waits for ever on a thread of the first.
class Phonemizer : public PhonemeSource {
 public:
  Phonemizer();
  ~Phonemizer() override;
  Phonemizer(const Phonemizer&) = delete;
  Phonemizer& operator=(const Phonemizer&) = delete;

  // Starts the library, the first time; whether it runs.
  bool Ready() { return Start(); }
  // Why the library could not start (Dutch, for a message); empty while it runs.
  const std::string& Failure() const { return failure_; }

  // The phonemes of one word (Windows-1252 bytes, any letter case), normalised by
  // NormalisePhonemes; empty when espeak-ng gives it no sound or the object is not Ready(). The
  // word is read in small letters, since espeak-ng reads an accented capital as a letter name
  // ("CRÊPES" as "s e: r E p E s"). About 18 microseconds a word: the OpenTaal list in 7.5 s.
  std::string PhonemesOf(std::string_view word) override;

 private:
  struct Library;
  bool Start();

  std::unique_ptr<Library> library_;
  std::string failure_;
  bool started_ = false;
  bool initialised_ = false;
};

}  // namespace kwintel
