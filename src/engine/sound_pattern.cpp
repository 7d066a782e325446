#include "engine/sound_pattern.h"

#include <algorithm>

#include "text/text_encoding.h"

namespace kwintel {
namespace {

// A letter of Windows-1252: A-Z, a-z, Š Œ Ž š œ ž Ÿ and À-ÿ but × and ÷.
bool IsLetter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) return true;
  switch (byte) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F:
      return true;
    default:
      return byte >= 0xC0 && byte != 0xD7 && byte != 0xF7;
  }
}

constexpr int kMaxSyllables = 999;

}  // namespace

std::optional<SoundPattern> ParseSoundPattern(std::string_view text) {
  const std::size_t blank = text.find(' ');
  const std::string_view word = text.substr(0, blank);
  if (word.empty() || !std::all_of(word.begin(), word.end(), IsLetter)) return std::nullopt;
  SoundPattern pattern{CapitaliseTyped(word), 0};
  if (blank == std::string_view::npos) return pattern;
  const std::string_view number = text.substr(blank + 1);
  if (number.empty() || number.size() > 3) return std::nullopt;
  int value = 0;
  for (const char c : number) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > kMaxSyllables) return std::nullopt;
  pattern.syllables = value;
  return pattern;
}

}  // namespace kwintel
