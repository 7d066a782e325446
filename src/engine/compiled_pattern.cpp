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
      break;
    case SearchType::Set:
      compiled.set.emplace(pattern);
      break;
    case SearchType::Frequency:
      compiled.frequency.emplace(pattern);
      break;
    default:
      break;
  }
  return compiled;
}

void MatchCompiled(const CompiledPattern& pattern, const char* word) {
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
      MatchAnagram(word, text);
      break;
    case SearchType::Set:
      MatchSet(word, *pattern.set);
      break;
    case SearchType::Subset:
      MatchSubset(word, text);
      break;
    case SearchType::Frequency:
      MatchFrequency(word, *pattern.frequency);
      break;
    case SearchType::Stack:
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
