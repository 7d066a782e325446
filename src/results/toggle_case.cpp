#include "results/result_commands.h"
#include "results/result_state.h"
#include "shell/control_ids.h"

namespace kwintel {

void ToggleCase(MainDialog& dialog) {
  if (upperCaseMode) {
    dialog.view.SetText(ids::kHoofdKlein, "Klein");
    upperCaseMode = 0;
  } else {
    dialog.view.SetText(ids::kHoofdKlein, "Hoofd");
    upperCaseMode = 1;
  }
}

}  // namespace kwintel
