#pragma once
// A sequence pattern without letter variables as a Shift-And (bitap) automaton. Such a pattern is
// a regular expression over word characters (its elements are character sets, '*' any run of
// them), so one pass over the word with a few bit operations per character decides it, however
// many runs the pattern has and however long the word is.

#include <cstdint>
#include <optional>
#include <vector>

namespace kwintel {

class SequenceAutomaton {
 public:
  // The automaton of a sequence pattern (without its leading '-'), or nothing when the pattern
  // holds a letter variable or a binding mark, or has a shape no preparation leaves ("**", a
  // class left open): those are for the backtracking matcher, which alone knows their meaning.
  static std::optional<SequenceAutomaton> Compile(const char* pattern);

  // 1 when the word, up to its sequence word end, matches the pattern, else 0: the backtracking
  // matcher's verdict. Never reads past the word end.
  int Match(const char* word) const;

 private:
  SequenceAutomaton() = default;
  int MatchOneWord(const char* word) const;
  int MatchManyWords(const char* word) const;

  // State i (bit i of the state vector, i = 0 .. elements_) is "the first i elements have taken
  // the characters read so far". A character c moves state i - 1 to i when element i accepts c,
  // and keeps every state that a '*' follows.
  int elements_ = 0;
  int vectorWords_ = 1;               // 64-bit words per state vector
  std::vector<std::uint64_t> takes_;  // [c * vectorWords_ + k]: bit i when element i accepts c
  std::vector<std::uint64_t> runs_;   // [k]: the states a '*' follows
};

}  // namespace kwintel
