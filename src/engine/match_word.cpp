// STUB: to be written.
#include "engine/match_word.h"
namespace kwintel {
void MatchWord(SearchType, const char*, const char*) { matchState.matched = 0; }
void MatchSequence(const char*, const char*) {}
bool MatchBracketClass(const char*, char) { return false; }
}  // namespace kwintel
