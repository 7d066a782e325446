// The letter-multiset matchers: Anagram, Anagram-1, Subset, Set and Frequency. They compare the
// letters of a word with those of the pattern without regard to order. Pairing a character
// consumes it in a private working copy, so the next search for the same character finds its
// next unconsumed occurrence, always counted from the start of the copy.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "engine/match_word.h"
#include "engine/word_character.h"

namespace kwintel {
namespace {

// A writable copy of a text. Words and patterns of the usual sizes (a result-list line, a
// 299-character pattern) stay on the stack; only an unusually long text takes the heap.
class WorkingCopy {
 public:
  // Copies the NUL-terminated text, without its NUL.
  explicit WorkingCopy(const char* text) {
    // Measuring while copying saves a pass and two library calls on the usual short text.
    std::size_t size = 0;
    while (size < sizeof(local_) && text[size] != '\0') {
      local_[size] = text[size];
      ++size;
    }
    if (size == sizeof(local_) && text[size] != '\0') {
      size += std::strlen(text + size);
      heap_ = std::make_unique_for_overwrite<char[]>(size);
      data_ = heap_.get();
      std::memcpy(data_, text, size);
    }
    size_ = size;
  }
  WorkingCopy(const WorkingCopy&) = delete;
  WorkingCopy& operator=(const WorkingCopy&) = delete;

  // The first occurrence of c, or nullptr. A plain loop: the texts are short, and a library call
  // costs more than the search.
  char* Find(char c) {
    for (std::size_t i = 0; i < size_; ++i)
      if (data_[i] == c) return data_ + i;
    return nullptr;
  }

  // Consumes the first unconsumed occurrence of c; false when there is none. A consumed
  // character becomes NUL: the copy is searched by its size, and no pattern or word character
  // is ever NUL, so a consumed place can never be found again.
  bool Consume(char c) {
    char* found = Find(c);
    if (found == nullptr) return false;
    *found = '\0';
    return true;
  }

  bool Contains(char c) { return Find(c) != nullptr; }

  // Replaces `remainder` with the word characters (0x21-0x7F) still in the copy, in their order:
  // no space, control byte, byte of 128 or above, or consumed place.
  void WriteRemainder(std::string& remainder) const {
    remainder.clear();
    // A no-op once the capacity has grown this far, so steady state never reallocates.
    remainder.reserve(std::max(size_, kMaxPatternLength + 1));
    for (std::size_t i = 0; i < size_; ++i)
      if (IsWordCharacter(data_[i])) remainder.push_back(data_[i]);
  }

 private:
  char local_[320];
  std::unique_ptr<char[]> heap_;
  char* data_ = local_;
  std::size_t size_ = 0;
};

// The bytes Frequency counts: 0x20 to 0x7F. Unlike the other scans it takes in the spaces of a
// result-list line; a control byte or a byte of 128 or above ends the word.
bool IsCountedByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x20 && byte < 0x80;
}

// The wildcard form of the pairing, without its walk. With '*' a byte whose digit is missing is
// passed over, so the order of the bytes no longer matters: each distinct byte takes a digit of
// its count while one is left, and the word matches when, for every digit value v, at least as
// many distinct bytes occur exactly v times as the pattern has digits v. kLevels is one more than
// the pattern's highest digit: counts from there on take no digit and need not be told apart.
//
// The counts are kept as sets of bytes, level k holding the bytes seen more than k times, in
// registers: a counter per byte in memory would chain every step on the store before it.
// Whether the two halves of a set hold at least n bits together. Clears bits one by one: n is a
// count of equal digits in a pattern, nearly always 0, 1 or 2, and a population count is a library
// call on the baseline instruction set.
inline bool HasBits(std::uint64_t low, std::uint64_t high, int n) {
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

template <int kLevels>
inline void CountOnce(std::uint64_t (&levels)[kLevels], std::uint64_t bit) {
#pragma GCC unroll 10
  for (int k = kLevels - 1; k > 0; --k) levels[k] |= levels[k - 1] & bit;
  levels[0] |= bit;
}

template <int kLevels>
bool EnoughBytesOfEachCount(const char* word, const int (&unusedDigits)[11]) {
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
  for (int v = 1; v < kLevels; ++v) {
    if (!HasBits(low[v - 1] & ~low[v], high[v - 1] & ~high[v], unusedDigits[v])) return false;
  }
  return true;
}

bool EnoughBytesOfEachCount(const char* word, const int (&unusedDigits)[11], int highestDigit) {
  switch (highestDigit) {
    case 1: return EnoughBytesOfEachCount<2>(word, unusedDigits);
    case 2: return EnoughBytesOfEachCount<3>(word, unusedDigits);
    case 3: return EnoughBytesOfEachCount<4>(word, unusedDigits);
    case 4: return EnoughBytesOfEachCount<5>(word, unusedDigits);
    case 5: return EnoughBytesOfEachCount<6>(word, unusedDigits);
    case 6: return EnoughBytesOfEachCount<7>(word, unusedDigits);
    case 7: return EnoughBytesOfEachCount<8>(word, unusedDigits);
    case 8: return EnoughBytesOfEachCount<9>(word, unusedDigits);
    default: return EnoughBytesOfEachCount<10>(word, unusedDigits);
  }
}

// The pairing without '*': the word's distinct bytes in the order of their first occurrence, each
// taking an unused digit of its count, until every digit is used (a match) or one finds none.
// Full-width counters: a byte occurring 256 times must not look like one occurring 0 times. Out of
// line, so that its counters do not weigh on the frame of the common wildcard form.
[[gnu::noinline]] bool PairCountsInOrder(const char* word, int (&unusedDigits)[11], int digitsLeft) {
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

}  // namespace

// Every pattern character before the first '-' must pair with its own word character. With a
// '-', no pattern character at all (the letters, the marker, the exclusions) may remain among the
// word's unpaired characters: a letter before the marker occurs exactly as often as typed, one
// after it not at all. Empties the remainder first; on a match it holds the word's unpaired
// word characters.
void MatchAnagram(const char* word, const char* pattern) {
  matchState.remainder.clear();
  WorkingCopy copy(word);
  const char* p = pattern;
  for (; *p != '\0' && *p != '-'; ++p)
    if (!copy.Consume(*p)) return;
  if (*p == '-') {
    for (const char* q = pattern; *q != '\0'; ++q)
      if (copy.Contains(*q)) return;
  }
  copy.WriteRemainder(matchState.remainder);
  matchState.matched = 1;
}

// Every pattern character but exactly one pairs with its own word character. missingLetter
// receives the first unpaired pattern character even when a second one then refuses the word;
// the remainder is written on a match only.
void MatchAnagramMinusOne(const char* word, const char* pattern) {
  WorkingCopy copy(word);
  bool missing = false;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (copy.Consume(*p)) continue;
    if (missing) return;
    matchState.missingLetter = *p;
    missing = true;
  }
  if (!missing) return;
  copy.WriteRemainder(matchState.remainder);
  matchState.matched = 1;
}

// The word, up to its first non-word character (a space, a control byte, a byte of 128 or
// above), spelt from the pattern's characters, each used at most once. On a match the remainder
// holds the pattern's unused word characters.
void MatchSubset(const char* word, const char* pattern) {
  WorkingCopy copy(pattern);
  for (const char* w = word; IsWordCharacter(*w); ++w)
    if (!copy.Consume(*w)) return;
  copy.WriteRemainder(matchState.remainder);
  matchState.matched = 1;
}

// Every character of the word, up to its first non-word character, occurs in the pattern.
void MatchSet(const char* word, const char* pattern) {
  for (const char* w = word; IsWordCharacter(*w); ++w)
    if (std::strchr(pattern, *w) == nullptr) return;
  matchState.matched = 1;
}

// The counts of the word's distinct bytes (up to its first control byte or byte of 128 or above) use up the
// pattern's digits: a byte occurring n times takes an unused digit n. Without '*' the first byte
// whose digit is missing ends the pairing; with it such bytes are passed over. The word matches
// when every digit 1-9 of the pattern is used and nothing but '0' and '*' is left beside them.
void MatchFrequency(const char* word, const char* pattern) {
  // Which of two equal digits a byte uses never matters, so the pattern is kept as the number of
  // unused digits of each value rather than as a copy whose digits are overwritten. Index 10
  // stands for every count of ten or more and never holds a digit.
  int unusedDigits[11] = {};
  int digitsLeft = 0;
  bool wildcard = false;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (*p >= '1' && *p <= '9') {
      ++unusedDigits[*p - '0'];
      ++digitsLeft;
    } else if (*p == '*') {
      wildcard = true;
    } else if (*p != '0') {
      return;  // a blank or anything else can never be used up
    }
  }

  if (digitsLeft == 0) {
    matchState.matched = 1;
  } else if (wildcard) {
    int highestDigit = 9;
    while (unusedDigits[highestDigit] == 0) --highestDigit;
    if (EnoughBytesOfEachCount(word, unusedDigits, highestDigit)) matchState.matched = 1;
  } else if (PairCountsInOrder(word, unusedDigits, digitsLeft)) {
    matchState.matched = 1;
  }
}

}  // namespace kwintel
