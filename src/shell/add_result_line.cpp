#include "shell/add_result_line.h"

#include "results/common_ranking.h"

namespace kwintel {

bool PassesSetResultFilter(const MainDialog& dialog, std::string_view text) {
  for (const char c : dialog.mustNotContain) {
    if (text.find(c) != std::string_view::npos) return false;
  }
  for (const char c : dialog.mustContain) {
    if (text.find(c) == std::string_view::npos) return false;
  }
  return true;
}

bool OfferRankedLine(MainDialog& dialog, std::string_view text, int length, std::uint64_t count, std::string& buffer) {
  if (dialog.ranking == nullptr) return false;
  if (const std::optional<std::string_view> shown = ShownResultLine(dialog, text, length, buffer)) {
    dialog.ranking->Offer(*shown, count);
  }
  return true;
}

void AddResultLine(MainDialog& dialog, std::string_view text, int length, bool keep) {
  std::string line;
  AppendResultLine(dialog, text, length, keep, line);
}

}  // namespace kwintel
