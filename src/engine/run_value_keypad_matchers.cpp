// The run, letter-value and keypad matchers: Stack, Product, Sum and Telephone. Each is one pass
// over the word with constant work per byte.

#include <algorithm>
#include <cstdint>

#include "engine/keypad_digits.h"
#include "engine/match_word.h"
#include "engine/stack_pattern.h"
#include "engine/word_character.h"

namespace kwintel {
namespace {

// The byte value minus 64 ('A' is 1, 'Z' is 26, '-' is -19, 'É' is 137), as an unsigned 64-bit
// number so that products and sums wrap modulo 2^64 instead of overflowing.
std::uint64_t LetterValue(char c) { return static_cast<std::uint64_t>(static_cast<unsigned char>(c)) - 64u; }

}  // namespace

// At least N consecutive bytes of the word, anywhere in it, occur in the pattern; every byte
// counts, spaces included, and the pattern's space and digit belong to the set as well. N is the
// pattern's last byte minus '0' (a run of 10 or more when it is a letter, none needed when it is
// a byte below '0' or there is none); a byte of 128 or above reads by its unsigned value.
void MatchStack(const char* word, const char* pattern) { MatchStack(word, StackPattern(pattern)); }

void MatchStack(const char* word, const StackPattern& pattern) {
  // The longest run decides; computed without branches, as set and non-set bytes alternate
  // unpredictably in ordinary words.
  std::uint64_t run = 0;
  std::uint64_t longest = 0;
  for (const char* w = word; *w != '\0'; ++w) {
    run = (run + 1) & pattern.set.Mask(*w);
    longest = std::max(longest, run);
  }
  if (pattern.runLength <= 0 || longest >= static_cast<std::uint64_t>(pattern.runLength)) {
    matchState.matched = 1;
  }
}

// The product of the letter values of the word, up to its first non-word character, equals
// `target` in all 64 bits (wrapping). An empty word has the product 1.
void MatchProduct(const char* word) {
  std::uint64_t value = 1;
  for (const char* w = word; IsWordCharacter(*w); ++w) value *= LetterValue(*w);
  if (value == static_cast<std::uint64_t>(target)) matchState.matched = 1;
}

// As MatchProduct, for the sum; an empty word has the sum 0.
void MatchSum(const char* word) {
  std::uint64_t value = 0;
  for (const char* w = word; IsWordCharacter(*w); ++w) value += LetterValue(*w);
  if (value == static_cast<std::uint64_t>(target)) matchState.matched = 1;
}

// Every character of the word, up to its first non-word character, is a letter A-Z whose
// keypad digit is the pattern's digit at the same place. A word
// shorter than the pattern matches on its prefix; one longer fails at the pattern's NUL, so the
// pattern is never read past its end.
void MatchTelephone(const char* word, const char* pattern) {
  for (std::size_t i = 0; IsWordCharacter(word[i]); ++i) {
    const char c = word[i];
    if (c < 'A' || c > 'Z') return;
    if (KeypadDigits[static_cast<std::size_t>(c - 'A')] != pattern[i]) return;
  }
  matchState.matched = 1;
}

}  // namespace kwintel
