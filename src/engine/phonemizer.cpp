#include "engine/phonemizer.h"

#include <espeak-ng/speak_lib.h>

#include "engine/phonemes.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

// The small letter of a Windows-1252 capital: the inverse of CapitaliseTypedByte, for what
// espeak-ng reads only.
char SmallLetter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
    return static_cast<char>(byte + 0x20);
  }
  switch (byte) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
      return static_cast<char>(byte + 0x10);
    case 0x9F:
      return static_cast<char>(0xFF);
    default:
      return c;
  }
}

// espeak-ng's mnemonics (not IPA), a blank between phonemes: the separator goes in bits 8-23.
constexpr int kPhonemeMode = ' ' << 8;

// A word's text is one clause, or a few when it holds punctuation ("A.K."); more than this many
// would mean the library no longer moves on through the text.
constexpr int kMaxClauses = 256;

}  // namespace

Phonemizer::Phonemizer() {
  // No sound is made: the synchronous mode only needs a buffer length, which 0 leaves to the
  // library. DONT_EXIT: missing voice data is reported rather than ending the program.
  if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) < 0) {
    failure_ = "espeak-ng kan niet starten (zijn de spraakgegevens, espeak-ng-data, er?)";
    return;
  }
  initialised_ = true;
  if (espeak_SetVoiceByName("nl") != EE_OK) failure_ = "espeak-ng heeft geen Nederlandse stem (nl)";
}

Phonemizer::~Phonemizer() {
  if (initialised_) espeak_Terminate();
}

std::string Phonemizer::PhonemesOf(std::string_view word) {
  if (!Ready()) return {};
  std::string small(word);
  for (char& c : small) c = SmallLetter(c);
  const std::string text = Cp1252ToUtf8(small);
  std::string phonemes;
  const void* next = text.c_str();
  for (int clause = 0; next != nullptr && clause < kMaxClauses; ++clause) {
    const char* const part = espeak_TextToPhonemes(&next, espeakCHARS_UTF8, kPhonemeMode);
    if (part == nullptr) break;
    phonemes += part;
    phonemes += ' ';
  }
  return NormalisePhonemes(phonemes);
}

}  // namespace kwintel
