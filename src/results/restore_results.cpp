#include "results/restore_results.h"

#include <string>

namespace kwintel {

void RestoreResultLines(ResultList& list, const LineStore& backup) {
  list.Clear();
  for (const std::string_view line : backup) list.Append(line);
  list.Append(std::to_string(backup.size()) + " regels hersteld");
}

}  // namespace kwintel
