#pragma once
// Small text rules the targets use to say what a result line must look like, written here again
// from the rules themselves rather than borrowed from the code under test.

#include <string>
#include <string_view>

namespace kwintel::fuzz {

std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);

// Whether text holds "IJ" or "ij" (the two forms the "IJ één letter" rule drops).
bool ContainsIj(std::string_view text);

// The text without the length number a result line may start with: when the first '.' stands at
// index 0..3 and index 1 holds a digit, what follows two characters after that '.'.
std::string WithoutLengthNumber(std::string_view text);

// "%2d. %s" of length and text.
std::string WithLengthNumber(std::string_view text, std::size_t length);

}  // namespace kwintel::fuzz
