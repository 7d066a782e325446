#include "shell/auxiliary_commands.h"

#include "engine/engine_types.h"
#include "ports/control_ids.h"

namespace kwintel {

FontDescription resultFont;

namespace {

void SetAllLengths(MainDialog& dialog, bool on) {
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    dialog.view.SetChecked(ids::LengthToggleId(length), on);
  }
}

}  // namespace

void CheckAllLengths(MainDialog& dialog) { SetAllLengths(dialog, true); }

void ClearAllLengths(MainDialog& dialog) { SetAllLengths(dialog, false); }

void ToggleWithLength(MainDialog& dialog) {
  dialog.withLength = 1 - dialog.withLength;
  dialog.view.SetChecked(ids::kMetLengte, dialog.withLength != 0);
}

void ToggleIjOneLetter(MainDialog& dialog) {
  dialog.ijOneLetter = 1 - dialog.ijOneLetter;
  dialog.view.SetChecked(ids::kIjEenLetter, dialog.ijOneLetter != 0);
}

void ChooseResultFont(MainDialog& dialog) {
  const auto chosen = dialog.platform.ChooseFont(resultFont);
  if (!chosen) return;
  resultFont = *chosen;
  dialog.view.SetFont(ids::kResultList, resultFont);
  dialog.view.SetFont(ids::kPatternBox, resultFont);
}

void ShowHelp(MainDialog& dialog) { dialog.platform.ShowHelp(); }

void RequestStop(MainDialog& /*dialog*/) {
  searchRunState.stopRequested = true;
  searchRunState.interrupted = true;
}

void FocusPatternBox(MainDialog& dialog) { dialog.view.Focus(ids::kPatternBox); }

}  // namespace kwintel
