#pragma once
// Which bytes make up a word or a pattern group, for pattern preparation and the matchers.

namespace kwintel {

// A byte from 0x21 to 0x7F: printable ASCII other than the space.
inline bool IsWordCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte > 0x20 && byte < 0x80;
}

// A byte that a matcher's scan of a word takes in: anything above the space, so accented letters
// (128 and above) are characters of the word like any other, not its end. The scan ends at the
// first space, control byte or NUL, which keeps the decoration of a result-list line (the " - JE"
// of «ROOSJE - JE») out of it.
inline bool IsWordByte(char c) { return static_cast<unsigned char>(c) > 0x20; }

}  // namespace kwintel
