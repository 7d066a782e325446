#pragma once
// The engine's shared types: what one search takes (SearchRequest), the pattern prepared for its
// search type (PreparedPattern), the per-word verdict (MatchState) and the state of the running
// search or narrowing (SearchRunState).

#include <array>
#include <cstdint>
#include <string>

namespace kwintel {

// The ten search types. The values are fixed: the per-word dispatch and the result-line
// decoration key on them, and they are not the positions of the radios in their group.
enum class SearchType : int {
  Sequence = 0,
  Anagram = 1,
  Set = 2,
  Subset = 3,
  Frequency = 4,
  Stack = 5,
  Product = 6,
  Sum = 7,
  AnagramMinusOne = 8,
  Telephone = 9,
};

inline constexpr int kMinWordLength = 2;
inline constexpr int kMaxWordLength = 19;  // the file of 19 holds every word of 19 or more
inline constexpr std::size_t kMaxPatternLength = 299;

// The place of word length 2 .. 19 in the arrays indexed by length.
constexpr std::size_t LengthIndex(int length) { return static_cast<std::size_t>(length - kMinWordLength); }

// What one search takes from the form. withLength, ijOneLetter and upperCaseMode are not part of
// it: they are read each time a result line is added, as they stand at that moment.
struct SearchRequest {
  SearchType type = SearchType::Sequence;
  std::string pattern;  // as typed (Windows-1252), at most 299 characters
  // lengths[L - 2] for word length L = 2 .. 19.
  std::array<bool, kMaxWordLength - kMinWordLength + 1> lengths{};
  int maxResults = 100;
  std::string mustContain;
  std::string mustNotContain;

  bool LengthSelected(int length) const { return lengths[LengthIndex(length)]; }
};

// The pattern rewritten for its type, with the range of word-file lengths to scan.
struct PreparedPattern {
  std::string text;  // upper-cased, rewritten in place; what the matchers receive
  int minLength = 0;
  int maxLength = 0;
};

// The number Product and Sum words must reach. Written by PrepareSearchPattern for those two
// types only; read by MatchProduct, MatchSum and the summary line. One program-wide value.
extern std::int64_t target;

// The verdict on one word. One program-wide instance, cleared per word by MatchWord.
struct MatchState {
  int matched = 0;
  std::string remainder;   // leftover letters (Anagram, AnagramMinusOne, Subset); not cleared by MatchWord
  char missingLetter = 0;  // written by AnagramMinusOne; not cleared by MatchWord
  int ampVar = 0;          // letter bound by '&' (its byte value), 0 while unbound
  int dollarVar = 0;       // letter bound by '$'
  int caretVar = 0;        // letter bound by '^'
};
extern MatchState matchState;

// Shared by searches, narrowings and RequestStop.
struct SearchRunState {
  bool stopRequested = false;
  bool interrupted = false;
  int resultCount = 0;
  std::int64_t bytesDone = 0;
  std::int64_t bytesTotal = 0;
};
extern SearchRunState searchRunState;

}  // namespace kwintel
