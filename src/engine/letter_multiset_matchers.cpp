// STUB: to be written.
#include "engine/match_word.h"
namespace kwintel {
void MatchAnagram(const char*, const char*) {}
void MatchAnagramMinusOne(const char*, const char*) {}
void MatchSubset(const char*, const char*) {}
void MatchSet(const char*, const char*) {}
void MatchFrequency(const char*, const char*) {}
}  // namespace kwintel
