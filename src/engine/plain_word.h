#pragma once
// The words that the letter-based types "Meerwoord" and "Verborgen" look at.

#include <string_view>

namespace kwintel {

// A plain word: at least one byte, every byte one of A-Z. A blank, hyphen, apostrophe, digit,
// accented or small letter makes a word no plain word.
inline bool IsPlainWord(std::string_view word) {
  if (word.empty()) return false;
  for (const char c : word) {
    if (c < 'A' || c > 'Z') return false;
  }
  return true;
}

}  // namespace kwintel
