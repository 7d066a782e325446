#pragma once
// A search over the bytes of a word whose length is known (the word-file reader hands out each
// line's length with it), eight bytes at a time. It reads exactly the `length` bytes at `text`,
// never past them, so it is safe on any buffer.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kwintel {

// The n bytes at `text` (0 <= n <= 8) in the low bytes of a word (in memory order on a
// little-endian machine), zeros above; reads no other byte. Loads of fixed size that overlap, an
// overlapping byte or-ed with itself: a copy of variable size would cost a call.
inline std::uint64_t LoadUpTo8Bytes(const char* text, std::size_t n) {
  const auto load = [](const char* at, auto value) {
    std::memcpy(&value, at, sizeof value);
    return std::uint64_t{value};
  };
  if (n == 8) return load(text, std::uint64_t{});
  if (n >= 4) return load(text, std::uint32_t{}) | load(text + n - 4, std::uint32_t{}) << (8 * (n - 4));
  if (n >= 2) return load(text, std::uint16_t{}) | load(text + n - 2, std::uint16_t{}) << (8 * (n - 2));
  return n == 1 ? static_cast<unsigned char>(text[0]) : 0;
}

// The offset of the first byte that ends a sequence word (below 32 or 128 and above), or length.
std::size_t WordEndOffset(const char* text, std::size_t length);

}  // namespace kwintel
