#include "results/result_commands.h"

namespace kwintel {

void RestoreResults(MainDialog& dialog) {
  ResultList& list = dialog.view.Results();
  list.Clear();
  for (const std::string_view line : dialog.resultBackup) list.Append(line);
  list.Append(std::to_string(dialog.resultBackup.size()) + " regels hersteld");
}

}  // namespace kwintel
