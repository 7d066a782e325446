#pragma once
// For the tests only: the sequence matcher's two backtracking forms, which MatchSequence must
// equal in every result and every letter-variable side effect.

namespace kwintel {

// Same contract as MatchSequence (reads and writes matchState's matched and letter variables),
// exponential in the worst case. Never used by a search.
void MatchSequencePlain(const char* word, const char* pattern);

// MatchSequence with `budget` run starts for plain backtracking before the memo takes over
// (0: the memo from the start).
void MatchSequenceWithBudget(const char* word, const char* pattern, long budget);

}  // namespace kwintel
