#include "engine/number_reading.h"

#include <climits>

namespace kwintel {

namespace {

bool IsDigit(char b) { return b >= '0' && b <= '9'; }

// Passes over white space and one sign. Returns the position of what follows; `negative` tells
// whether the sign was '-'.
std::size_t SkipSpaceAndSign(std::string_view text, std::size_t pos, bool& negative) {
  while (pos < text.size() && IsNumberSpace(text[pos])) ++pos;
  negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  return pos;
}

// Any exponent beyond this already moves every nonzero digit out of the 64-bit range (or below
// the decimal point), so larger ones need not be told apart; capping keeps the sums in range.
constexpr std::int64_t kExponentCap = 1'000'000'000;

}  // namespace

bool IsNumberSpace(char b) { return b == ' ' || b == '\t' || b == '\n' || b == '\v' || b == '\f' || b == '\r'; }

int ReadDecimalInteger(std::string_view text, std::size_t pos, std::size_t& end) {
  bool negative = false;
  std::size_t p = SkipSpaceAndSign(text, pos, negative);
  if (p >= text.size() || !IsDigit(text[p])) {
    end = pos;
    return 0;
  }
  // One past INT_MAX is the largest magnitude that matters (INT_MIN); stop growing there.
  constexpr std::int64_t kCap = static_cast<std::int64_t>(INT_MAX) + 1;
  std::int64_t magnitude = 0;
  for (; p < text.size() && IsDigit(text[p]); ++p) {
    magnitude = magnitude * 10 + (text[p] - '0');
    if (magnitude > kCap) magnitude = kCap;
  }
  end = p;
  if (negative) return static_cast<int>(-magnitude);  // -kCap is INT_MIN
  return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

DecimalNumber ReadDecimalNumber(std::string_view text, std::size_t pos) {
  DecimalNumber result;
  result.end = pos;
  bool negative = false;
  std::size_t p = SkipSpaceAndSign(text, pos, negative);

  // Digits, a '.' and more digits, as the C library's conversion reads them: either side of the
  // point may be empty, not both («.5» and «12.» are numbers, «.» is none).
  const std::size_t intBegin = p;
  while (p < text.size() && IsDigit(text[p])) ++p;
  const std::size_t intEnd = p;
  std::size_t fracBegin = p;
  std::size_t fracEnd = p;
  if (p < text.size() && text[p] == '.') {
    std::size_t q = p + 1;
    while (q < text.size() && IsDigit(text[q])) ++q;
    if (intEnd > intBegin || q > p + 1) {
      fracBegin = p + 1;
      fracEnd = q;
      p = q;
    }
  }
  if (intEnd == intBegin && fracEnd == fracBegin) return result;
  std::int64_t exponent = 0;
  if (p < text.size() && (text[p] == 'E' || text[p] == 'e')) {
    // No white space may stand between the 'E' and its digits.
    std::size_t q = p + 1;
    bool exponentNegative = false;
    if (q < text.size() && (text[q] == '+' || text[q] == '-')) {
      exponentNegative = text[q] == '-';
      ++q;
    }
    if (q < text.size() && IsDigit(text[q])) {
      for (; q < text.size() && IsDigit(text[q]); ++q) {
        if (exponent < kExponentCap) exponent = exponent * 10 + (text[q] - '0');
      }
      if (exponentNegative) exponent = -exponent;
      p = q;
    }
  }
  result.end = p;

  // The digits, integer and fraction together, with the decimal point moved by the exponent:
  // the truncated value is made of the first `integerDigits` of them (zeros beyond the last).
  const std::int64_t intCount = static_cast<std::int64_t>(intEnd - intBegin);
  const std::int64_t digitCount = intCount + static_cast<std::int64_t>(fracEnd - fracBegin);
  const std::int64_t integerDigits = intCount + exponent;
  const std::uint64_t limit =
      negative ? static_cast<std::uint64_t>(INT64_MAX) + 1 : static_cast<std::uint64_t>(INT64_MAX);
  std::uint64_t magnitude = 0;
  for (std::int64_t k = 0; k < integerDigits; ++k) {
    unsigned digit = 0;
    if (k < digitCount) {
      digit = static_cast<unsigned>((k < intCount ? text[intBegin + static_cast<std::size_t>(k)]
                                                  : text[fracBegin + static_cast<std::size_t>(k - intCount)]) -
                                    '0');
    } else if (magnitude == 0) {
      break;  // only zeros follow, and they keep a zero value zero
    }
    if (magnitude > (limit - digit) / 10) {
      result.status = NumberStatus::kOutOfRange;
      return result;
    }
    magnitude = magnitude * 10 + digit;
  }
  result.status = NumberStatus::kValue;
  result.value = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
  return result;
}

}  // namespace kwintel
