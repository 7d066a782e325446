// The letter-multiset matchers: Anagram, Anagram-1, Subset and Set. They compare the
// letters of a word with those of the pattern without regard to order. Pairing a character
// consumes it in a private working copy, so the next search for the same character finds its
// next unconsumed occurrence, always counted from the start of the copy.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "engine/matchers.h"
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

  // A match with the word characters (0x21-0x7F) still in the copy as its remainder, in their
  // order: no space, control byte, byte of 128 or above, or consumed place.
  Verdict MatchLeaving() const {
    Verdict verdict;
    verdict.matched = true;
    for (std::size_t i = 0; i < size_; ++i)
      if (IsWordCharacter(data_[i])) verdict.remainder.push_back(data_[i]);
    return verdict;
  }

 private:
  char local_[320];
  std::unique_ptr<char[]> heap_;
  char* data_ = local_;
  std::size_t size_ = 0;
};

}  // namespace

Verdict MatchAnagram(const char* word, const char* pattern) {
  WorkingCopy copy(word);
  const char* p = pattern;
  for (; *p != '\0' && *p != '-'; ++p)
    if (!copy.Consume(*p)) return {};
  // A letter before the '-' occurs exactly as often as typed, one after it not at all.
  if (*p == '-') {
    for (const char* q = pattern; *q != '\0'; ++q)
      if (copy.Contains(*q)) return {};
  }
  return copy.MatchLeaving();
}

Verdict MatchAnagramMinusOne(const char* word, const char* pattern) {
  WorkingCopy copy(word);
  char missing = 0;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (copy.Consume(*p)) continue;
    if (missing != 0) return {};
    missing = *p;
  }
  if (missing == 0) return {};
  Verdict verdict = copy.MatchLeaving();
  verdict.missingLetter = missing;
  return verdict;
}

Verdict MatchSubset(const char* word, const char* pattern) {
  WorkingCopy copy(pattern);
  for (const char* w = word; IsWordCharacter(*w); ++w)
    if (!copy.Consume(*w)) return {};
  return copy.MatchLeaving();
}

bool MatchSet(const char* word, const ByteSet& set) {
  for (const char* w = word; IsWordCharacter(*w); ++w)
    if (set.Mask(*w) == 0) return false;
  return true;
}

}  // namespace kwintel
