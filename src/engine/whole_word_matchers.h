#pragma once
// Matchers that take a word of up to 32 bytes whole in a vector register (x86 AVX2) instead of
// byte by byte: Frequency with '*' and Stack. Internal to the matchers, which keep their byte-wise
// forms for longer words and for processors without the instructions. Each reads no byte at or
// past the `length` it is given (where the word's NUL is).

#include <cstddef>
#include <cstdint>

#include "engine/byte_set.h"
#include "engine/frequency_pattern.h"

namespace kwintel {

// Whether this processor runs the whole-word forms (AVX2 and POPCNT).
bool HasWholeWordMatchers();

// Frequency with '*'. The word's counted bytes are those before its first control byte or byte of
// 128 and above. -1 when more than 32 bytes may count: the byte-wise form decides those. Else 1
// when, for each digit value v, at least as many distinct bytes occur exactly v times as the
// pattern has digits v, and 0 when not.
int EnoughBytesOfEachCountWhole(const char* word, std::size_t length, const FrequencyPattern& pattern);

// A set of bytes as two tables of 16 bytes, for a nibble-table byte lookup (a byte's low four
// bits pick the entry, its high bits the bit, in one byte shuffle for 32 bytes at once): the bit
// h of entry l in `low` stands for the byte 16h + l, that of `high` for 128 + 16h + l.
struct NibbleByteSet {
  NibbleByteSet() = default;
  explicit NibbleByteSet(const ByteSet& set);
  void Add(unsigned char byte);
  alignas(16) std::uint8_t low[16] = {};
  alignas(16) std::uint8_t high[16] = {};
};

// Stack: -1 for a word of more than 32 bytes, else 1 when some run of bytes of the set, up to the
// NUL, is at least runLength long (any word when runLength is at most 0), and 0 when not.
int LongestRunReachesWhole(const char* word, std::size_t length, const NibbleByteSet& set, long runLength);

}  // namespace kwintel
