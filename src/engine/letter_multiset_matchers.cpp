// The letter-multiset matchers: Anagram, Anagram-1, Subset, Set and Frequency. They compare the
// letters of a word with those of the pattern without regard to order. Pairing a character
// consumes it in a private working copy, so the next search for the same character finds its
// next unconsumed occurrence, always counted from the start of the copy.

#include <algorithm>
#include <cstddef>
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
  WorkingCopy(const char* text, std::size_t size) : size_(size) {
    if (size > sizeof(local_)) {
      heap_ = std::make_unique_for_overwrite<char[]>(size);
      data_ = heap_.get();
    }
    std::memcpy(data_, text, size);
  }
  WorkingCopy(const WorkingCopy&) = delete;
  WorkingCopy& operator=(const WorkingCopy&) = delete;

  // The first occurrence of c, or nullptr.
  char* Find(char c) { return static_cast<char*>(std::memchr(data_, c, size_)); }

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

  // Replaces `remainder` with the word characters still in the copy, in their order.
  void WriteRemainder(std::string& remainder) const {
    remainder.clear();
    // A no-op once the capacity has grown this far, so steady state never reallocates.
    remainder.reserve(std::max(size_, kMaxPatternLength + 1));
    for (std::size_t i = 0; i < size_; ++i)
      if (IsWordCharacter(data_[i])) remainder.push_back(data_[i]);
  }

  const char* begin() const { return data_; }
  const char* end() const { return data_ + size_; }

 private:
  char local_[320];
  std::unique_ptr<char[]> heap_;
  char* data_ = local_;
  std::size_t size_;
};

// The bytes Frequency counts: 0x20 (the space) to 0x7F.
bool IsCountedByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x20 && byte < 0x80;
}

}  // namespace

// Every pattern character before the first '-' must pair with its own word character. After a
// '-', no pattern character at all (letters, the marker, the exclusions) may be left unpaired in
// the word. Empties the remainder first; on a match it holds the word's unpaired characters.
void MatchAnagram(const char* word, const char* pattern) {
  matchState.remainder.clear();
  WorkingCopy copy(word, std::strlen(word));
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
  WorkingCopy copy(word, std::strlen(word));
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

// The word, up to its first non-word character, spelt from the pattern's characters, each used
// at most once. On a match the remainder holds the pattern's unused word characters.
void MatchSubset(const char* word, const char* pattern) {
  WorkingCopy copy(pattern, std::strlen(pattern));
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

// The counts of the word's distinct bytes (0x20 to 0x7F, up to the first other byte) use up the
// pattern's digits: a byte occurring n times takes the first unused digit n. Without '*' the
// first byte whose digit is missing ends the pairing; with it such bytes are passed over. The
// word matches when nothing but used digits ('0') and '*' is left in the pattern copy.
void MatchFrequency(const char* word, const char* pattern) {
  const std::size_t patternSize = std::strlen(pattern);
  WorkingCopy copy(pattern, patternSize);
  const bool wildcard = std::memchr(pattern, '*', patternSize) != nullptr;

  std::size_t end = 0;
  while (IsCountedByte(word[end])) ++end;
  // Full-width counters: a byte occurring 256 times must not look like one occurring 0 times.
  // Only the counters of the word's own bytes are set and read.
  std::size_t counts[256];
  for (std::size_t i = 0; i < end; ++i) counts[static_cast<unsigned char>(word[i])] = 0;
  for (std::size_t i = 0; i < end; ++i) ++counts[static_cast<unsigned char>(word[i])];

  for (std::size_t i = 0; i < end; ++i) {
    std::size_t& count = counts[static_cast<unsigned char>(word[i])];
    if (count == 0) continue;
    // A count of ten or more has no digit.
    char* digit = count <= 9 ? copy.Find(static_cast<char>('0' + count)) : nullptr;
    if (digit != nullptr) {
      *digit = '0';
      count = 0;
    } else if (!wildcard) {
      break;
    }
  }
  for (const char c : copy)
    if (c != '0' && c != '*') return;
  matchState.matched = 1;
}

}  // namespace kwintel
