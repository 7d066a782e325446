// STUB: to be written.
#include "engine/prepare_search_pattern.h"
namespace kwintel {
bool PrepareSearchPattern(std::string&, SearchType, int&, int&) { return false; }
bool PrepareSearchPattern(PreparedPattern& p, SearchType type) { return PrepareSearchPattern(p.text, type, p.minLength, p.maxLength); }
bool IsLetterProduct(std::uint64_t) { return false; }
char KeypadDigit(char) { return '0'; }
}  // namespace kwintel
