#pragma once
// For the tests only: the sequence matcher's two backtracking forms, which MatchSequence must
// equal in every verdict and in the letter variables a walk leaves, stale ones of abandoned paths
// included (they decide later tests of the same word).

namespace kwintel {

struct SequenceOutcome {
  bool matched = false;
  int amp = 0;  // the letter bound by '&' (its byte value), 0 while unbound
  int dollar = 0;
  int caret = 0;
  bool operator==(const SequenceOutcome&) const = default;
};

// Plain backtracking, exponential in the worst case. Never used by a search.
SequenceOutcome MatchSequencePlain(const char* word, const char* pattern);

// MatchSequence with `budget` run starts for plain backtracking before the memo takes over
// (0: the memo from the start).
SequenceOutcome MatchSequenceWithBudget(const char* word, const char* pattern, long budget);

}  // namespace kwintel
