#pragma once
// Where a byte value occurs in a block of 64 bytes, as the bits of one number, for readers that
// walk their bytes a block at a time instead of a byte at a time.

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kwintel {

constexpr int kByteMaskBytes = 64;

// Bit i is set when bytes[i] == value, for i below 64; all 64 bytes must be readable.
inline std::uint64_t ByteMask64(const char* bytes, char value) {
  std::uint64_t mask = 0;
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi8(value);
  for (int part = 0; part < 4; ++part) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
    const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)));
    mask |= std::uint64_t{bits} << (16 * part);
  }
#else
  for (int i = 0; i < kByteMaskBytes; ++i) mask |= std::uint64_t{bytes[i] == value} << i;
#endif
  return mask;
}

}  // namespace kwintel
