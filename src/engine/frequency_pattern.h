#pragma once
// The Frequency pattern worked out, once, when the pattern is compiled.

namespace kwintel {

struct FrequencyPattern {
  explicit FrequencyPattern(const char* pattern);

  // Which of two equal digits a byte uses never matters, so the pattern is kept as the number of
  // unused digits of each value rather than as a copy whose digits are overwritten. Index 10
  // stands for every count of ten or more and never holds a digit.
  int unusedDigits[11] = {};
  int digits = 0;
  int highestDigit = 0;
  bool wildcard = false;
  bool refused = false;  // holds a blank or anything else that can never be used up
};

}  // namespace kwintel
