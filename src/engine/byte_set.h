#pragma once
// The set of bytes of a text, for the Stack and Set matchers. Internal to the matchers.

#include <cstdint>

namespace kwintel {

// The set of bytes of a text, as 256 bits, and its last byte. Outside a word-file scan a matcher
// builds it at every word, so the bits are gathered in four registers and stored once: or-ing each
// bit straight into memory would chain every step on the store before it.
class ByteSet {
 public:
  explicit ByteSet(const char* text) {
    std::uint64_t quarter[4] = {0, 0, 0, 0};
    for (; *text != '\0'; ++text) {
      const auto byte = static_cast<unsigned char>(*text);
      const std::uint64_t bit = std::uint64_t{1} << (byte & 63);
      switch (byte >> 6) {
        case 0:
          quarter[0] |= bit;
          break;
        case 1:
          quarter[1] |= bit;
          break;
        case 2:
          quarter[2] |= bit;
          break;
        default:
          quarter[3] |= bit;
          break;
      }
      last_ = byte;
    }
    for (int i = 0; i < 4; ++i) bits_[i] = quarter[i];
  }

  // All bits set when c is in the set, else 0.
  std::uint64_t Mask(char c) const {
    const auto byte = static_cast<unsigned char>(c);
    return 0 - ((bits_[byte >> 6] >> (byte & 63)) & 1);
  }

  // The text's last byte, or -1 for an empty text.
  int Last() const { return last_; }

 private:
  std::uint64_t bits_[4];
  int last_ = -1;
};

// MatchSet with the pattern's bytes worked out.
void MatchSet(const char* word, const ByteSet& pattern);

}  // namespace kwintel
