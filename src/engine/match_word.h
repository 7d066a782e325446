#pragma once
// Per-word dispatch and the matchers. Every matcher works on NUL-terminated text in place,
// allocates nothing on its hot path, and writes its verdict into matchState.

#include "engine/engine_types.h"

namespace kwintel {

// Clears matched and the three letter variables, then calls the matcher of `type`. A type value
// outside 0-9 calls nothing.
void MatchWord(SearchType type, const char* pattern, const char* word);

// Sequence ("Volgorde"): the whole word against the prepared pattern (without its leading '-').
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
