#pragma once
// The matchers of the per-word search types. Each takes a word as NUL-terminated text (its end,
// as each type sees it, is told below) and a pattern prepared for its type, allocates nothing but
// the remainder of a match, and returns its verdict. Any text may be given as the pattern: a
// matcher reads it up to its NUL and gives the verdict its rules give on that text.

#include <cstdint>

#include "engine/byte_set.h"
#include "engine/frequency_pattern.h"
#include "engine/stack_pattern.h"
#include "engine/verdict.h"

namespace kwintel {

// Sequence ("Volgorde"): the whole word, up to its sequence word end, against the prepared pattern
// (without its leading '-'), by backtracking: the matcher of patterns with letter variables, and
// of any text. A word whose paths explode is matched again with a memo of the failed states, so
// no pattern hangs.
bool MatchSequence(const char* word, const char* pattern);

// Whether character c satisfies the class that opens at `patternAtClass` ('[' or '{'); any other
// first character is compared with c.
bool MatchBracketClass(const char* patternAtClass, char c);

// Anagram: every pattern character before the first '-' pairs with its own word character; with a
// '-', no pattern character at all may remain among the word's unpaired ones. The remainder holds
// the word's unpaired word characters.
Verdict MatchAnagram(const char* word, const char* pattern);
// Anagram-1: every pattern character but exactly one pairs with its own word character.
Verdict MatchAnagramMinusOne(const char* word, const char* pattern);
// Subset: the word, up to its first non-word character, spelt from the pattern's characters, each
// used at most once; the remainder holds the pattern's unused word characters.
Verdict MatchSubset(const char* word, const char* pattern);
// Set: every character of the word, up to its first non-word character, is in the set.
bool MatchSet(const char* word, const ByteSet& set);
bool MatchFrequency(const char* word, const FrequencyPattern& pattern);

// Stack: some run of the word's bytes, up to its NUL, all in the pattern's set, at least as long
// as the pattern asks.
bool MatchStack(const char* word, const StackPattern& pattern);
// Product and Sum: the letter values (byte value minus 64) of the word, up to its first non-word
// character, multiply or add up to `target` in all 64 bits (wrapping).
bool MatchProduct(const char* word, std::uint64_t target);
bool MatchSum(const char* word, std::uint64_t target);
// Telephone: every character of the word, up to its first non-word character, is a letter A-Z
// whose keypad digit is the digit at its place in `digits`.
bool MatchTelephone(const char* word, const char* digits);

// True when value (other than 0) has no prime factor above 23, i.e. can be a product of letter
// values 1..26.
bool IsLetterProduct(std::uint64_t value);

}  // namespace kwintel
