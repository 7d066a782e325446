#include "engine/phonemizer.h"

#include <dlfcn.h>
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

// libespeak-ng's entry points, looked up when the library is first needed: linked in, it would
// be loaded at every start of kwintel-cli, which made a search of one word file 5 ms slower, for
// the rare pattern word that the sound file does not list.
struct Phonemizer::Library {
  void* handle = nullptr;
  decltype(&espeak_Initialize) initialize = nullptr;
  decltype(&espeak_SetVoiceByName) setVoiceByName = nullptr;
  decltype(&espeak_TextToPhonemes) textToPhonemes = nullptr;
  decltype(&espeak_Terminate) terminate = nullptr;

  template <typename Function>
  bool Find(Function& function, const char* name) {
    function = reinterpret_cast<Function>(::dlsym(handle, name));
    return function != nullptr;
  }
};

Phonemizer::Phonemizer() = default;

Phonemizer::~Phonemizer() {
  if (initialised_) library_->terminate();
}

bool Phonemizer::Start() {
  if (started_) return failure_.empty();
  started_ = true;
  library_ = std::make_unique<Library>();
  library_->handle = ::dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_LOCAL);
  if (library_->handle == nullptr || !library_->Find(library_->initialize, "espeak_Initialize") ||
      !library_->Find(library_->setVoiceByName, "espeak_SetVoiceByName") ||
      !library_->Find(library_->textToPhonemes, "espeak_TextToPhonemes") ||
      !library_->Find(library_->terminate, "espeak_Terminate")) {
    failure_ = "espeak-ng ontbreekt (libespeak-ng1)";
    return false;
  }
  // No sound is made: the synchronous mode only needs a buffer length, which 0 leaves to the
  // library. DONT_EXIT: missing voice data is reported rather than ending the program.
  if (library_->initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) < 0) {
    failure_ = "espeak-ng kan niet starten (zijn de spraakgegevens, espeak-ng-data, er?)";
    return false;
  }
  initialised_ = true;
  if (library_->setVoiceByName("nl") != EE_OK) failure_ = "espeak-ng heeft geen Nederlandse stem (nl)";
  return failure_.empty();
}

std::string Phonemizer::PhonemesOf(std::string_view word) {
  if (!Start()) return {};
  std::string small(word);
  for (char& c : small) c = SmallLetter(c);
  const std::string text = Cp1252ToUtf8(small);
  std::string phonemes;
  const void* next = text.c_str();
  for (int clause = 0; next != nullptr && clause < kMaxClauses; ++clause) {
    const char* const part = library_->textToPhonemes(&next, espeakCHARS_UTF8, kPhonemeMode);
    if (part == nullptr) break;
    phonemes += part;
    phonemes += ' ';
  }
  return NormalisePhonemes(phonemes);
}

}  // namespace kwintel
