#include "engine/match_word.h"

namespace kwintel {

void MatchWord(SearchType type, const char* pattern, const char* word) {
  MatchState& state = matchState;
  state.matched = 0;
  state.ampVar = 0;
  state.dollarVar = 0;
  state.caretVar = 0;
  switch (type) {
    case SearchType::Sequence:
      if (pattern[0] == '-') {
        MatchSequence(word, pattern + 1);
        state.matched = state.matched == 0 ? 1 : 0;
      } else {
        MatchSequence(word, pattern);
      }
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
