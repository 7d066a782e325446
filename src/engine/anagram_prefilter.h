#pragma once
// A quick refusal of the words an Anagram pattern cannot match, for the word-file scan. Internal to
// the matchers.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "engine/word_vector.h"

namespace kwintel {

// What an Anagram pattern asks of a word before its '-': each of its characters as often as
// typed. A word that lacks one cannot match, and telling that from the word's bytes as they lie is
// much cheaper than MatchAnagram's copy and pairing. Both tests below are weaker than the pairing,
// never stricter: the pairing also looks at every byte up to the NUL.
struct AnagramLetters {
  static constexpr int kMaxLetters = 8;

  explicit AnagramLetters(const char* pattern) {
    for (const char* p = pattern; *p != '\0' && *p != '-'; ++p) {
      const std::uint64_t bit = std::uint64_t{1} << (static_cast<unsigned char>(*p) & 63);
      twice |= once & bit;
      once |= bit;
      const char* known = std::find(letters, letters + count, *p);
      if (known != letters + count) {
        ++needed[known - letters];
      } else if (count < kMaxLetters) {
        letters[count] = *p;
        needed[count++] = 1;
      }
    }
#if defined(__SSE2__)
    for (int k = 0; k < count; ++k) spread[k] = _mm_set1_epi8(letters[k]);
#endif
  }

  bool MayMatch(const char* word, std::size_t length) const {
#if defined(__SSE2__)
    // A word of up to 16 bytes whole: the first kMaxLetters distinct characters counted exactly.
    // The loops run the same for every word, so they cost no mispredicted branches.
    if (length <= 16) {
      const __m128i bytes = LoadWordBytes16(word, length);  // zeros past the end: no pattern character
      bool enough = true;
      for (int k = 0; k < count; ++k) {
        auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, spread[k])));
        for (int n = 1; n < needed[k]; ++n) found &= found - 1;
        enough &= found != 0;
      }
      return enough;
    }
#endif
    // Any word: the characters as bits (byte & 63), seen once and seen twice.
    std::uint64_t seen = 0;
    std::uint64_t seenTwice = 0;
    for (std::size_t i = 0; i < length; ++i) {
      const std::uint64_t bit = std::uint64_t{1} << (static_cast<unsigned char>(word[i]) & 63);
      seenTwice |= seen & bit;
      seen |= bit;
    }
    return (seen & once) == once && (seenTwice & twice) == twice;
  }

  std::uint64_t once = 0;
  std::uint64_t twice = 0;
  char letters[kMaxLetters] = {};
  int needed[kMaxLetters] = {};
  int count = 0;
#if defined(__SSE2__)
  __m128i spread[kMaxLetters];  // letters[k] in every byte
#endif
};

}  // namespace kwintel
