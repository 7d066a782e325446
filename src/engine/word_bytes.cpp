#include "engine/word_bytes.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace kwintel {
namespace {

constexpr std::uint64_t kHigh = 0x8080808080808080;
constexpr bool kLittleEndian = std::endian::native == std::endian::little;

// Bit 7 of each byte of x that ends a sequence word (below 32 or 128 and above); bytes never carry
// into each other.
std::uint64_t WordEndBytes(std::uint64_t x) {
  constexpr std::uint64_t kLowSeven = 0x7F7F7F7F7F7F7F7F;
  constexpr std::uint64_t kToThirtyTwo = 0x6060606060606060;  // 32 + 96 sets bit 7
  const std::uint64_t atLeastThirtyTwo = (x & kLowSeven) + kToThirtyTwo;
  return (x | ~atLeastThirtyTwo) & kHigh;
}

template <typename Unsigned>
std::uint64_t Load(const char* at) {
  Unsigned value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

}  // namespace

std::size_t WordEndOffset(const char* text, std::size_t length) {
  if constexpr (!kLittleEndian) {
    std::size_t i = 0;
    while (i < length && static_cast<signed char>(text[i]) >= 32) ++i;
    return i;
  }
  std::size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    const std::uint64_t ends = WordEndBytes(Load<std::uint64_t>(text + i));
    if (ends != 0) return i + static_cast<std::size_t>(std::countr_zero(ends)) / 8;
  }
  const std::size_t left = length - i;
  if (left == 0) return length;
  std::uint64_t ends = 0;
  if (length >= 8) {
    // The last eight bytes, of which the first 8 - left were looked at already.
    ends = WordEndBytes(Load<std::uint64_t>(text + length - 8)) >> (8 * (8 - left));
  } else {
    // The zeros above the short load would count as word ends.
    ends = WordEndBytes(LoadUpTo8Bytes(text, left)) & ((std::uint64_t{1} << (8 * left)) - 1);
  }
  return ends != 0 ? i + static_cast<std::size_t>(std::countr_zero(ends)) / 8 : length;
}

}  // namespace kwintel
