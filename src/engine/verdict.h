#pragma once
// What a pattern says of one word.

#include <string>

namespace kwintel {

struct Verdict {
  bool matched = false;
  std::string remainder;   // Anagram, Anagram-1, Subset: the letters left over, on a match
  char missingLetter = 0;  // Anagram-1: the pattern's letter the word lacks, on a match
  // Verborgen: the word is hidden read backwards, and its line carries « <» after the word, which
  // its length does not count.
  bool backwards = false;
  int score = 0;  // Wordfeud and Scrabble: what the word scores
};

// A verdict that says only whether the word matched.
inline Verdict Matched(bool matched) {
  Verdict verdict;
  verdict.matched = matched;
  return verdict;
}

}  // namespace kwintel
