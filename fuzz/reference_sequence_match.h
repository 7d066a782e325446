#pragma once
// An independent, deliberately naive sequence matcher: the plain backtracking written straight from
// the matching rules, with program-order letter-variable side effects (bindings made on an
// abandoned path stay). The pattern-and-word target compares the engine's matcher with it.

#include <cstddef>
#include <optional>

namespace kwintel::fuzz {

// Whether a prepared Sequence pattern keeps the promises the matcher relies on: every class
// closed and holding none of . ? / \ * - [ {, no stray closer, no '*' after '*', no '-' but a
// leading one, no blank.
bool IsWellFormedSequence(const char* pattern);

// The verdict on word against a prepared Sequence pattern (leading '-' included), or nothing when
// the plain backtracking would take more than `budget` steps (the comparison is then skipped; the
// engine's matcher has to stay fast there, which the fuzzer's timeout checks). `budget` is
// decreased by the steps taken.
std::optional<bool> ReferenceSequenceMatch(const char* pattern, const char* word, long& budget);

}  // namespace kwintel::fuzz
