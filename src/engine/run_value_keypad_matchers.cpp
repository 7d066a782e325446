// STUB: to be written.
#include "engine/match_word.h"
namespace kwintel {
void MatchStack(const char*, const char*) {}
void MatchProduct(const char*) {}
void MatchSum(const char*) {}
void MatchTelephone(const char*, const char*) {}
}  // namespace kwintel
