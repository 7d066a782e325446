#include "fuzz_input.h"

namespace kwintel::fuzz {

std::string_view InputLines::Next(std::size_t limit) {
  const std::size_t end = rest_.find('\n');
  const std::string_view line = rest_.substr(0, end);
  rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
  return line.substr(0, limit);
}

ControlLines ReadControlLines(InputLines& input) {
  ControlLines control;
  const std::string_view first = input.Next();
  if (!first.empty()) {
    // '0' is 48, and 48 + 9 is a multiple of nineteen.
    control.type = static_cast<SearchType>((static_cast<unsigned char>(first[0]) + 9) % 19);
  }
  if (first.size() > 1) {
    const unsigned options = static_cast<unsigned char>(first[1] - '@');
    control.withLength = (options & 1) != 0;
    control.ijOneLetter = (options & 2) == 0;
    control.upperCase = (options & 4) == 0;
    control.maxResultsPosition = static_cast<int>((options >> 3) & 3);
    control.pumpAction = static_cast<int>((options >> 5) & 3);
  }
  if (first.size() > 2) control.pattern = first.substr(2);
  control.mustContain = input.Next();
  control.mustNotContain = input.Next();
  return control;
}

}  // namespace kwintel::fuzz
