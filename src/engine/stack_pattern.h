#pragma once
// The Stack pattern worked out: the set of its bytes and the run length its last byte asks for.
// Internal to the matchers; a word-file scan works it out once, not at every word.

#include <cstdint>

namespace kwintel {

// The set of bytes of a text, as 256 bits, and its last byte. It is built for every word, so the
// bits are gathered in four registers and stored once: or-ing each bit straight into memory
// would chain every step on the store before it.
class ByteSet {
 public:
  explicit ByteSet(const char* text) {
    std::uint64_t quarter[4] = {0, 0, 0, 0};
    for (; *text != '\0'; ++text) {
      const auto byte = static_cast<unsigned char>(*text);
      const std::uint64_t bit = std::uint64_t{1} << (byte & 63);
      switch (byte >> 6) {
        case 0: quarter[0] |= bit; break;
        case 1: quarter[1] |= bit; break;
        case 2: quarter[2] |= bit; break;
        default: quarter[3] |= bit; break;
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

struct StackPattern {
  explicit StackPattern(const char* pattern)
      : set(pattern), runLength(set.Last() < 0 ? 0 : set.Last() - '0') {}
  ByteSet set;
  long runLength;  // at most 0: any word matches
};

// MatchStack with the pattern worked out.
void MatchStack(const char* word, const StackPattern& pattern);

}  // namespace kwintel
