#pragma once
// For the tests only: the sequence matcher without its memo, the plain backtracking that
// MatchSequence must equal in every result and every letter-variable side effect.

namespace kwintel {

// Same contract as MatchSequence (reads and writes matchState's matched and letter variables),
// exponential in the worst case. Never used by a search.
void MatchSequencePlain(const char* word, const char* pattern);

}  // namespace kwintel
