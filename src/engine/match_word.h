#pragma once
// Per-word dispatch and the matchers. Every matcher works on NUL-terminated text in place,
// allocates nothing on its hot path, and writes its verdict into matchState.

#include "engine/engine_types.h"

namespace kwintel {

// Compiles `pattern` for `type` and matches `word` with it (MatchCompiled): for a single word. A
// search compiles its pattern once instead.
void MatchWord(SearchType type, const char* pattern, const char* word);

// Clears matched and the three letter variables.
inline void ClearVerdict(MatchState& state) {
  state.matched = 0;
  state.ampVar = 0;
  state.dollarVar = 0;
  state.caretVar = 0;
}

// Sequence ("Volgorde"): the whole word against the prepared pattern (without its leading '-'),
// by backtracking: the matcher of patterns with letter variables, and of any text. A word whose
// paths explode is matched again with a memo of the failed states, so no pattern hangs.
void MatchSequence(const char* word, const char* pattern);

// Whether character c satisfies the class that opens at `patternAtClass` ('[' or '{'); any
// other first character is compared with c.
bool MatchBracketClass(const char* patternAtClass, char c);

// Letter-multiset matchers.
void MatchAnagram(const char* word, const char* pattern);
void MatchAnagramMinusOne(const char* word, const char* pattern);
void MatchSubset(const char* word, const char* pattern);
void MatchSet(const char* word, const char* pattern);
void MatchFrequency(const char* word, const char* pattern);

// Run, letter-value and keypad matchers.
void MatchStack(const char* word, const char* pattern);
void MatchProduct(const char* word);
void MatchSum(const char* word);
void MatchTelephone(const char* word, const char* pattern);

}  // namespace kwintel
