#pragma once
// Per-word dispatch and the matchers. Every matcher works on NUL-terminated text in place,
// allocates nothing on its hot path, and writes its verdict into matchState.

#include <cstddef>

#include "engine/engine_types.h"

namespace kwintel {

// Clears matched and the three letter variables, then calls the matcher of `type`. A type value
// outside 0-9 calls nothing.
void MatchWord(SearchType type, const char* pattern, const char* word);

// MatchWord for a word whose terminating NUL is `length` bytes on, as the word-file reader hands
// its lines out. The same verdict; knowing where the text ends lets the sequence matcher find the
// word's end several bytes at a time.
void MatchWordOfLength(SearchType type, const char* pattern, const char* word, std::size_t length);

// For the lifetime of the scope, the text at `pattern` is the same at every MatchWordOfLength of
// `type` with that address: a scan over a word file says so once, and the matchers then work the
// pattern out once (the sequence matcher knows it by its address instead of comparing it with the
// last one at every word; Stack and Set keep their sets of bytes, Frequency its digits, Anagram the
// letters it asks for). Scopes do not nest; the text must not
// change while one lives.
class SteadyPatternScope {
 public:
  SteadyPatternScope(SearchType type, const char* pattern);
  ~SteadyPatternScope();
  SteadyPatternScope(const SteadyPatternScope&) = delete;
  SteadyPatternScope& operator=(const SteadyPatternScope&) = delete;
};

// Sequence ("Volgorde"): the whole word against the prepared pattern (without its leading '-').
void MatchSequence(const char* word, const char* pattern);
// The same for a word whose terminating NUL is `length` bytes on.
void MatchSequence(const char* word, const char* pattern, std::size_t length);

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
