#pragma once
// The Frequency test with '*' for a word of up to 32 counted bytes, taken whole in a vector
// register instead of byte by byte. Internal to the Frequency matcher, which keeps the byte-wise
// form for longer words and for processors without the instructions.

#include <cstddef>

#include "engine/frequency_pattern.h"

namespace kwintel {

// Whether this processor runs the whole-word form (x86 with AVX2 and POPCNT).
bool HasWholeWordFrequency();

// Call only when HasWholeWordFrequency(). The word's counted bytes are those before its first
// control byte or byte of 128 and above, within `length` (where its NUL is); no byte at or past
// `length` is read. -1 when more than 32 bytes may count: the byte-wise form decides those. Else 1
// when, for each digit value v, at least as many distinct bytes occur exactly v times as the
// pattern has digits v, and 0 when not.
int EnoughBytesOfEachCountWhole(const char* word, std::size_t length, const FrequencyPattern& pattern);

}  // namespace kwintel
