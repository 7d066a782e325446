#pragma once
// What the letter-multiset, run, letter-value and keypad matchers count as part of a word.

namespace kwintel {

// A byte from 0x21 to 0x7F. A scan "up to the first non-word character" stops at the end of the
// text, a space, a control byte or any byte of 128 and above.
inline bool IsWordCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte > 0x20 && byte < 0x80;
}

}  // namespace kwintel
