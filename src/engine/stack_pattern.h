#pragma once
// The Stack pattern worked out: the set of its bytes and the run length its last byte asks for.
// Internal to the matchers; a word-file scan works it out once, not at every word.

#include "engine/byte_set.h"

namespace kwintel {

struct StackPattern {
  explicit StackPattern(const char* pattern) : set(pattern), runLength(set.Last() < 0 ? 0 : set.Last() - '0') {}
  ByteSet set;
  long runLength;  // at most 0: any word matches
};

// MatchStack with the pattern worked out.
void MatchStack(const char* word, const StackPattern& pattern);

}  // namespace kwintel
