#pragma once
// Up to 16 bytes of a word in a vector register (x86 SSE2), for the matchers that test a short
// word whole. Reads exactly the bytes asked for, never past them, so it is safe on any buffer.

#if defined(__SSE2__)

#include <emmintrin.h>

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

// The first min(length, 16) bytes at `text` in their places, zeros after them. Scalar loads of
// fixed size: a copy of variable size would go through memory and stall the vector load.
inline __m128i LoadWordBytes16(const char* text, std::size_t length) {
  if (length >= 16) return _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
  const std::uint64_t low = LoadUpTo8Bytes(text, length < 8 ? length : 8);
  // Bytes 8 .. length - 1: the last eight bytes, shifted down past those the low half holds.
  const std::uint64_t high = length > 8 ? LoadUpTo8Bytes(text + length - 8, 8) >> (8 * (16 - length)) : 0;
  return _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
}

}  // namespace kwintel

#endif
