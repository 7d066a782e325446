#pragma once
// The pattern of the sound search types (Rijm, Halfrijm, Klinkt als): a word, optionally followed
// by one blank and a whole number N, which keeps only the words of N syllables ("VERJAARDAG 1").

#include <optional>
#include <string>
#include <string_view>

namespace kwintel {

struct SoundPattern {
  std::string word;   // Windows-1252 capitals, as the word files hold their words
  int syllables = 0;  // 0: any number
};

// The pattern in `text` (Windows-1252 bytes as typed), or nothing when it is refused: empty, a
// word with anything but letters (ASCII and the accented letters of Windows-1252), anything but
// exactly one blank before the number, a number that is not one to three digits worth 1 to 999,
// or more text after it. The word is capitalised as the typing controls do (CapitaliseTyped).
std::optional<SoundPattern> ParseSoundPattern(std::string_view text);

}  // namespace kwintel
