#include "summary_line.h"

namespace kwintel::fuzz {

std::optional<SummaryLine> ReadSummaryLine(std::string_view line, std::initializer_list<std::string_view> openings) {
  for (std::string_view opening : openings) {
    if (line.substr(0, opening.size()) != opening) continue;
    std::size_t end = opening.size();
    long long count = 0;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9' && end - opening.size() < 12) {
      count = count * 10 + (line[end] - '0');
      ++end;
    }
    if (end == opening.size()) return std::nullopt;
    return SummaryLine{opening, count, line.substr(end)};
  }
  return std::nullopt;
}

}  // namespace kwintel::fuzz
