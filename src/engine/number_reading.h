#pragma once
// Decimal number reading for pattern preparation. Decimal only: no hexadecimal, no INF or NAN, no
// locale. Every reader works on a bounded view and never reads past its end, whatever its length.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kwintel {

// Whether b is white space as the C library's conversions skip it: space, \t, \n, \v, \f, \r.
bool IsNumberSpace(char b);

// Reads a decimal integer from text[pos] on, as strtol with base 10 does: leading white space,
// an optional sign, then digits up to the first non-digit. No digits read as 0. A value outside
// the int range saturates at INT_MIN or INT_MAX instead of overflowing.
// `end` receives the position after the last digit, or `pos` itself when no digits were read.
int ReadDecimalInteger(std::string_view text, std::size_t pos, std::size_t& end);

enum class NumberStatus {
  kNone,        // no number starts here; value 0, end == pos
  kValue,       // value holds the number truncated toward zero
  kOutOfRange,  // a number, but its truncated value lies outside the signed 64-bit range
};

struct DecimalNumber {
  NumberStatus status = NumberStatus::kNone;
  std::int64_t value = 0;
  std::size_t end = 0;  // position after the number's last character; pos when kNone
};

// Reads `[white space][+|-]digits[.[digits]]` or `[white space][+|-].digits`, then an optional
// `(E|e)[+|-]digits`, from text[pos] on, as the C library's decimal conversion does, and truncates
// its value toward zero, exactly (no rounding through floating point). An 'E' not followed by
// digits is not part of the number and is where it ends.
DecimalNumber ReadDecimalNumber(std::string_view text, std::size_t pos);

}  // namespace kwintel
