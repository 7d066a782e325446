// The run, letter-value and keypad matchers: Stack, Product, Sum and Telephone. Each is one pass
// over the word with constant work per byte.

#include <algorithm>
#include <cstdint>

#include "engine/keypad_digits.h"
#include "engine/matchers.h"
#include "engine/word_character.h"

namespace kwintel {
namespace {

// The byte value minus 64 ('A' is 1, 'Z' is 26, '-' is -19, 'É' is 137), as an unsigned 64-bit
// number so that products and sums wrap modulo 2^64 instead of overflowing.
std::uint64_t LetterValue(char c) { return static_cast<std::uint64_t>(static_cast<unsigned char>(c)) - 64u; }

}  // namespace

// Every byte counts, spaces included, and the pattern's space and digit belong to the set as well.
// N is the pattern's last byte minus '0' (a run of 10 or more when it is a letter, none needed
// when it is a byte below '0' or there is none); a byte of 128 or above reads by its unsigned
// value.
bool MatchStack(const char* word, const StackPattern& pattern) {
  // The longest run decides; computed without branches, as set and non-set bytes alternate
  // unpredictably in ordinary words.
  std::uint64_t run = 0;
  std::uint64_t longest = 0;
  for (const char* w = word; *w != '\0'; ++w) {
    run = (run + 1) & pattern.set.Mask(*w);
    longest = std::max(longest, run);
  }
  return pattern.runLength <= 0 || longest >= static_cast<std::uint64_t>(pattern.runLength);
}

// An empty word has the product 1.
bool MatchProduct(const char* word, std::uint64_t target) {
  std::uint64_t value = 1;
  for (const char* w = word; IsWordCharacter(*w); ++w) value *= LetterValue(*w);
  return value == target;
}

// An empty word has the sum 0.
bool MatchSum(const char* word, std::uint64_t target) {
  std::uint64_t value = 0;
  for (const char* w = word; IsWordCharacter(*w); ++w) value += LetterValue(*w);
  return value == target;
}

// A word shorter than the digits matches on its prefix; one longer fails at their NUL, so they are
// never read past their end.
bool MatchTelephone(const char* word, const char* digits) {
  for (std::size_t i = 0; IsWordCharacter(word[i]); ++i) {
    const char c = word[i];
    if (c < 'A' || c > 'Z') return false;
    if (KeypadDigits[static_cast<std::size_t>(c - 'A')] != digits[i]) return false;
  }
  return true;
}

bool IsLetterProduct(std::uint64_t value) {
  if (value == 0) return false;  // 0 would never stop halving
  while (value % 2 == 0) value /= 2;
  for (std::uint64_t d = 3; d <= 25; d += 2) {
    while (value % d == 0) value /= d;
  }
  return value <= 26;
}

}  // namespace kwintel
