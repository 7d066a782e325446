#pragma once
// The Frequency test with '*' for a word of up to 16 counted bytes, taken all at once with byte
// shuffles instead of byte by byte. Internal to the Frequency matcher, which keeps the byte-wise
// form for longer words and for processors without the instructions.

#include <cstddef>

#include "engine/frequency_pattern.h"

namespace kwintel {

// Whether this processor runs the shuffled form (x86 with SSSE3).
bool HasShuffledFrequency();

// Call only when HasShuffledFrequency(). The word's counted bytes are those before its first
// control byte or byte of 128 and above, within `length` (where its NUL is); exactly
// min(length, 16) bytes are read. -1 when more than 16 bytes may count: the byte-wise form
// decides those. Else 1 when, for each digit value v, at least as many distinct bytes occur
// exactly v times as the pattern has digits v, and 0 when not.
int EnoughBytesOfEachCountShuffled(const char* word, std::size_t length, const FrequencyPattern& pattern);

}  // namespace kwintel
