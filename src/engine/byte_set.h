#pragma once
// The set of bytes of a text, for the Stack and Set matchers.

#include <cstdint>

namespace kwintel {

// The set of bytes of a text, as 256 bits, and its last byte.
class ByteSet {
 public:
  explicit ByteSet(const char* text) {
    for (; *text != '\0'; ++text) {
      const auto byte = static_cast<unsigned char>(*text);
      bits_[byte >> 6] |= std::uint64_t{1} << (byte & 63);
      last_ = byte;
    }
  }

  // All bits set when c is in the set, else 0.
  std::uint64_t Mask(char c) const {
    const auto byte = static_cast<unsigned char>(c);
    return 0 - ((bits_[byte >> 6] >> (byte & 63)) & 1);
  }

  // The text's last byte, or -1 for an empty text.
  int Last() const { return last_; }

 private:
  std::uint64_t bits_[4] = {};
  int last_ = -1;
};

}  // namespace kwintel
