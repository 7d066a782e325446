// The letter-multiset matchers: Anagram, Anagram-1, Subset and Set. They compare the
// letters of a word with those of the pattern without regard to order. Pairing a character
// consumes it in a private working copy, so the next search for the same character finds its
// next unconsumed occurrence, always counted from the start of the copy.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "engine/byte_set.h"
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

void MatchSet(const char* word, const ByteSet& pattern) {
  for (const char* w = word; IsWordCharacter(*w); ++w)
    if (pattern.Mask(*w) == 0) return;
  matchState.matched = 1;
}

}  // namespace kwintel
