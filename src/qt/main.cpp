#include "qt/word_search_app.h"

#ifdef KWINTEL_HAVE_ESPEAK
#include "engine/phonemizer.h"
#endif

int main(int argc, char** argv) {
#ifdef KWINTEL_HAVE_ESPEAK
  // Started only when a sound is asked for that the sound file does not hold.
  kwintel::Phonemizer phonemizer;
  return kwintel::RunWordSearchApp(argc, argv, &phonemizer);
#else
  return kwintel::RunWordSearchApp(argc, argv, nullptr);
#endif
}
