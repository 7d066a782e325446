#include "engine/compiled_pattern.h"

#include <utility>

#include "engine/match_word.h"

namespace kwintel {

CompiledPattern CompilePattern(SearchType type, std::string text) {
  CompiledPattern compiled;
  compiled.type = type;
  compiled.text = std::move(text);
  const char* pattern = compiled.text.c_str();
  switch (type) {
    case SearchType::Sequence:
      compiled.negated = pattern[0] == '-';
      compiled.sequence = SequenceAutomaton::Compile(compiled.negated ? pattern + 1 : pattern);
      break;
    case SearchType::Stack:
      compiled.stack.emplace(pattern);
      if (HasWholeWordMatchers()) compiled.stackNibbles.emplace(compiled.stack->set);
      break;
    case SearchType::Set:
      compiled.set.emplace(pattern);
      break;
    case SearchType::Frequency: {
      const FrequencyPattern& frequency = compiled.frequency.emplace(pattern);
      compiled.wholeWordFrequency =
          frequency.wildcard && frequency.digits > 0 && !frequency.refused && HasWholeWordMatchers();
      break;
    }
    case SearchType::Anagram:
      compiled.anagram.emplace(pattern);
      break;
    default:
      break;
  }
  return compiled;
}

void MatchCompiled(const CompiledPattern& pattern, const char* word, std::size_t length) {
  MatchState& state = matchState;
  ClearVerdict(state);
  const char* text = pattern.text.c_str();
  switch (pattern.type) {
    case SearchType::Sequence:
      if (pattern.sequence) {
        state.matched = pattern.sequence->Match(word);
      } else {
        MatchSequence(word, pattern.negated ? text + 1 : text);
      }
      // A leading '-' negates the verdict of the rest of the pattern.
      if (pattern.negated) state.matched = state.matched == 0 ? 1 : 0;
      break;
    case SearchType::Anagram:
      if (pattern.anagram && !pattern.anagram->MayMatch(word, length)) {
        state.remainder.clear();  // as MatchAnagram leaves it on a word it refuses
        break;
      }
      MatchAnagram(word, text);
      break;
    case SearchType::Set:
      MatchSet(word, *pattern.set);
      break;
    case SearchType::Subset:
      MatchSubset(word, text);
      break;
    case SearchType::Frequency:
      // The whole-word form answers -1 for a word too long for it.
      if (pattern.wholeWordFrequency) {
        if (const int enough = EnoughBytesOfEachCountWhole(word, length, *pattern.frequency); enough >= 0) {
          state.matched = enough;
          break;
        }
      }
      MatchFrequency(word, *pattern.frequency);
      break;
    case SearchType::Stack:
      if (pattern.stackNibbles) {
        if (const int reaches = LongestRunReachesWhole(word, length, *pattern.stackNibbles, pattern.stack->runLength);
            reaches >= 0) {
          state.matched = reaches;
          break;
        }
      }
      MatchStack(word, *pattern.stack);
      break;
    case SearchType::Product:
      MatchProduct(word);
      break;
    case SearchType::Sum:
      MatchSum(word);
      break;
    case SearchType::AnagramMinusOne:
      MatchAnagramMinusOne(word, text);
      break;
    case SearchType::Telephone:
      MatchTelephone(word, text);
      break;
  }
  // Any other value calls nothing and leaves matched 0.
}

}  // namespace kwintel
