#pragma once
// Up to 16 bytes of a word in a vector register (x86 SSE2), for the matchers that test a short
// word whole. Reads exactly the bytes asked for, never past them, so it is safe on any buffer.

#if defined(__SSE2__)

#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

#include "engine/word_bytes.h"

namespace kwintel {

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
