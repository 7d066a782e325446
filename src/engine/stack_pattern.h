#pragma once
// The Stack pattern worked out: the set of its bytes and the run length its last byte asks for.
// Worked out once, when the pattern is compiled.

#include "engine/byte_set.h"

namespace kwintel {

struct StackPattern {
  explicit StackPattern(const char* pattern) : set(pattern), runLength(set.Last() < 0 ? 0 : set.Last() - '0') {}
  ByteSet set;
  long runLength;  // at most 0: any word matches
};

}  // namespace kwintel
