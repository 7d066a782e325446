#pragma once
// Reading back the summary line that closes the result list after a search, narrowing or restore.

#include <initializer_list>
#include <optional>
#include <string_view>

namespace kwintel::fuzz {

struct SummaryLine {
  std::string_view opening;  // the words before the count, e.g. "Totaal: "
  long long count = 0;
  std::string_view rest;  // what follows the count, e.g. ", n = 120" or "."
};

// The line split as `opening` + decimal count + rest, for the first of `openings` it starts with;
// nothing when it starts with none of them or no digits follow.
std::optional<SummaryLine> ReadSummaryLine(std::string_view line, std::initializer_list<std::string_view> openings);

}  // namespace kwintel::fuzz
