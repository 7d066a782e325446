// Frequency: the counts of the word's distinct bytes against the pattern's digits.

#include <cstddef>
#include <cstdint>

#include "engine/frequency_pattern.h"
#include "engine/matchers.h"

namespace kwintel {
namespace {

// The bytes Frequency counts: 0x20 to 0x7F. Unlike the other scans it takes in the spaces of a
// result-list line; a control byte or a byte of 128 or above ends the word.
bool IsCountedByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x20 && byte < 0x80;
}

// The pairing without '*': the word's distinct bytes in the order of their first occurrence, each
// taking an unused digit of its count, until every digit is used (a match) or one finds none.
// Full-width counters: a byte occurring 256 times must not look like one occurring 0 times.
bool PairCountsInOrder(const char* word, const FrequencyPattern& pattern) {
  int unusedDigits[11];
  for (int v = 0; v < 11; ++v) unusedDigits[v] = pattern.unusedDigits[v];
  int digitsLeft = pattern.digits;
  // Only the counters of the word's own bytes are set and read.
  std::size_t counts[256];
  std::size_t end = 0;
  for (; IsCountedByte(word[end]); ++end) counts[static_cast<unsigned char>(word[end])] = 0;
  for (std::size_t i = 0; i < end; ++i) ++counts[static_cast<unsigned char>(word[i])];
  for (std::size_t i = 0; i < end; ++i) {
    std::size_t& count = counts[static_cast<unsigned char>(word[i])];
    if (count == 0) continue;  // this byte has used its digit already
    const std::size_t digit = count < 10 ? count : 10;
    if (unusedDigits[digit] == 0) return false;
    --unusedDigits[digit];
    count = 0;
    if (--digitsLeft == 0) return true;
  }
  return false;
}

// With '*' a byte whose digit is missing is passed over, so the order of the bytes no longer
// matters: each distinct byte takes a digit of its count while one is left, and the word matches
// when, for every digit value v, at least as many distinct bytes occur exactly v times as the
// pattern has digits v. The forms below decide that without a walk.

// Whether the two halves of a set hold at least n bits together. Clears bits one by one: n is a
// count of equal digits in a pattern, nearly always 0, 1 or 2, and a population count is a library
// call on the baseline instruction set.
bool HasBits(std::uint64_t low, std::uint64_t high, int n) {
  for (; n > 0; --n) {
    if (low != 0) {
      low &= low - 1;
    } else if (high != 0) {
      high &= high - 1;
    } else {
      return false;
    }
  }
  return true;
}

template <std::size_t kLevels>
inline void CountOnce(std::uint64_t (&levels)[kLevels], std::uint64_t bit) {
#pragma GCC unroll 10
  for (std::size_t k = kLevels - 1; k > 0; --k) levels[k] |= levels[k - 1] & bit;
  levels[0] |= bit;
}

// Any word. The counts are kept as sets of bytes, level k holding the bytes seen more than k
// times, in registers: a counter per byte in memory would chain every step on the store before
// it. kLevels is one more than the pattern's highest digit: counts from there on take no digit
// and need not be told apart.
template <std::size_t kLevels>
bool EnoughBytesOfEachCount(const char* word, const FrequencyPattern& pattern) {
  std::uint64_t low[kLevels] = {};   // bytes 0x20-0x3F
  std::uint64_t high[kLevels] = {};  // bytes 0x40-0x7F
  for (const char* w = word; IsCountedByte(*w); ++w) {
    const auto byte = static_cast<unsigned char>(*w);
    const std::uint64_t bit = std::uint64_t{1} << (byte & 63);
    // Two copies of the step rather than a pointer to either half, which would keep both in memory.
    if ((byte & 64) != 0) {
      CountOnce(high, bit);
    } else {
      CountOnce(low, bit);
    }
  }
  for (std::size_t v = 1; v < kLevels; ++v) {
    if (!HasBits(low[v - 1] & ~low[v], high[v - 1] & ~high[v], pattern.unusedDigits[v])) return false;
  }
  return true;
}

bool EnoughBytesOfEachCount(const char* word, const FrequencyPattern& pattern) {
  switch (pattern.highestDigit) {
    case 1:
      return EnoughBytesOfEachCount<2>(word, pattern);
    case 2:
      return EnoughBytesOfEachCount<3>(word, pattern);
    case 3:
      return EnoughBytesOfEachCount<4>(word, pattern);
    case 4:
      return EnoughBytesOfEachCount<5>(word, pattern);
    case 5:
      return EnoughBytesOfEachCount<6>(word, pattern);
    case 6:
      return EnoughBytesOfEachCount<7>(word, pattern);
    case 7:
      return EnoughBytesOfEachCount<8>(word, pattern);
    case 8:
      return EnoughBytesOfEachCount<9>(word, pattern);
    default:
      return EnoughBytesOfEachCount<10>(word, pattern);
  }
}

}  // namespace

FrequencyPattern::FrequencyPattern(const char* pattern) {
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (*p >= '1' && *p <= '9') {
      ++unusedDigits[*p - '0'];
      ++digits;
      if (*p - '0' > highestDigit) highestDigit = *p - '0';
    } else if (*p == '*') {
      wildcard = true;
    } else if (*p != '0') {
      refused = true;
      return;
    }
  }
}

// The counts of the word's distinct bytes (up to its first control byte or byte of 128 or above)
// use up the pattern's digits: a byte occurring n times takes an unused digit n. Without '*' the
// first byte whose digit is missing ends the pairing; with it such bytes are passed over. The word
// matches when every digit 1-9 of the pattern is used and nothing but '0' and '*' is left beside
// them.
bool MatchFrequency(const char* word, const FrequencyPattern& pattern) {
  if (pattern.refused) return false;
  if (pattern.digits == 0) return true;
  if (!pattern.wildcard) return PairCountsInOrder(word, pattern);
  return EnoughBytesOfEachCount(word, pattern);
}

}  // namespace kwintel
