#pragma once
// Up to 16 bytes of a word in a vector register (x86 SSE2), for the matchers that test a short
// word whole. Reads exactly the bytes asked for, never past them, so it is safe on any buffer.

#if defined(__SSE2__)

#include <emmintrin.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kwintel {

// The first min(length, 16) bytes at `text` in their places, zeros after them. Loads of fixed
// size that overlap: a copy of variable size would go through memory and stall the vector load.
inline __m128i LoadWordBytes16(const char* text, std::size_t length) {
  if (length >= 16) return _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
  const auto load = [](const char* at, auto value) {
    std::memcpy(&value, at, sizeof value);
    return std::uint64_t{value};
  };
  std::uint64_t low = 0;
  std::uint64_t high = 0;
  if (length > 8) {
    low = load(text, std::uint64_t{});
    high = load(text + length - 8, std::uint64_t{}) >> (8 * (16 - length));
  } else if (length == 8) {
    low = load(text, std::uint64_t{});
  } else if (length >= 4) {
    low = load(text, std::uint32_t{}) | load(text + length - 4, std::uint32_t{}) << (8 * (length - 4));
  } else if (length >= 2) {
    low = load(text, std::uint16_t{}) | load(text + length - 2, std::uint16_t{}) << (8 * (length - 2));
  } else if (length == 1) {
    low = static_cast<unsigned char>(text[0]);
  }
  return _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
}

}  // namespace kwintel

#endif
