#pragma once
// Which bytes make up a word or a pattern group, for pattern preparation and the matchers.

namespace kwintel {

// A word character: a byte from 0x21 to 0x7F, printable ASCII other than the space. The matchers'
// scans of a word end at the first byte that is not one (a space, a control byte, NUL, or an
// accented letter of 128 and above).
inline bool IsWordCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte > 0x20 && byte < 0x80;
}

}  // namespace kwintel
