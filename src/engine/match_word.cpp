#include "engine/match_word.h"

namespace kwintel {

namespace {

void ClearVerdict(MatchState& state) {
  state.matched = 0;
  state.ampVar = 0;
  state.dollarVar = 0;
  state.caretVar = 0;
}

// A leading '-' negates the verdict of the rest of the pattern.
template <typename... Length>
void MatchSequenceOrNot(const char* word, const char* pattern, Length... length) {
  if (pattern[0] == '-') {
    MatchSequence(word, pattern + 1, length...);
    matchState.matched = matchState.matched == 0 ? 1 : 0;
  } else {
    MatchSequence(word, pattern, length...);
  }
}

}  // namespace

SteadyPatternScope::SteadyPatternScope(SearchType type, const char* pattern) {
  if (type != SearchType::Sequence) return;
  matchState.sequenceMemory.segments.Trust(pattern[0] == '-' ? pattern + 1 : pattern);
}

SteadyPatternScope::~SteadyPatternScope() { matchState.sequenceMemory.segments.Distrust(); }

void MatchWordOfLength(SearchType type, const char* pattern, const char* word, std::size_t length) {
  if (type != SearchType::Sequence) {
    MatchWord(type, pattern, word);
    return;
  }
  ClearVerdict(matchState);
  MatchSequenceOrNot(word, pattern, length);
}

void MatchWord(SearchType type, const char* pattern, const char* word) {
  MatchState& state = matchState;
  ClearVerdict(state);
  switch (type) {
    case SearchType::Sequence:
      MatchSequenceOrNot(word, pattern);
      break;
    case SearchType::Anagram:
      MatchAnagram(word, pattern);
      break;
    case SearchType::Set:
      MatchSet(word, pattern);
      break;
    case SearchType::Subset:
      MatchSubset(word, pattern);
      break;
    case SearchType::Frequency:
      MatchFrequency(word, pattern);
      break;
    case SearchType::Stack:
      MatchStack(word, pattern);
      break;
    case SearchType::Product:
      MatchProduct(word);
      break;
    case SearchType::Sum:
      MatchSum(word);
      break;
    case SearchType::AnagramMinusOne:
      MatchAnagramMinusOne(word, pattern);
      break;
    case SearchType::Telephone:
      MatchTelephone(word, pattern);
      break;
  }
  // Any other value calls nothing and leaves matched 0.
}

}  // namespace kwintel
