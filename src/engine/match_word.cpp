#include "engine/match_word.h"

#include "engine/compiled_pattern.h"

namespace kwintel {

void ClearVerdict(MatchState& state) {
  state.matched = 0;
  state.ampVar = 0;
  state.dollarVar = 0;
  state.caretVar = 0;
}

void MatchWord(SearchType type, const char* pattern, const char* word) {
  MatchCompiled(CompilePattern(type, pattern), word);
}

}  // namespace kwintel
