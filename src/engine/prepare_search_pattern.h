#pragma once
// Pattern preparation: validates a pattern for its search type, rewrites it in place and derives
// the range of word lengths to scan (and, for Product and Sum, the program-wide target).

#include <cstdint>
#include <string>

#include "engine/engine_types.h"

namespace kwintel {

// text: the upper-cased pattern; rewritten in place for the matchers. minLength and maxLength
// receive the range of word lengths (2..19) to scan. For Product and Sum, `target` is written.
// Returns false when the pattern is refused; the out-parameters then mean nothing.
// Never reads beyond text's end, whatever its length.
bool PrepareSearchPattern(std::string& text, SearchType type, int& minLength, int& maxLength);

// Convenience over the above: prepares `pattern.text` and fills its lengths.
bool PrepareSearchPattern(PreparedPattern& pattern, SearchType type);

// True when value (other than 0) has no prime factor above 23, i.e. can be a product of letter
// values 1..26.
bool IsLetterProduct(std::uint64_t value);

// The telephone keypad digit character ('2'..'9') of an upper-case letter A-Z.
char KeypadDigit(char upperCaseLetter);

}  // namespace kwintel
