#include "shell/main_dialog.h"

#include "ports/control_ids.h"
#include "shell/auxiliary_commands.h"
#include "shell/common_words.h"
#include "shell/form.h"
#include "shell/word_file_sources.h"

namespace kwintel {

void InitialiseMainDialog(MainDialog& dialog, const std::string& executableFolder) {
  MainDialogView& view = dialog.view;
  WriteForm(dialog);
  CheckAllLengths(dialog);
  view.CheckRadio(ids::kVolgorde, ids::kTelefoon, ids::kVolgorde);
  view.CheckRadio(ids::kMax100, ids::kMax15000, ids::kMax100);
  DiscoverWordFiles(dialog, executableFolder);
  wordFilePrefix = sourceSlots[0].prefix;
  view.SetPressed(ids::kSource1, true);
  for (size_t slot = 0; slot < sourceSlots.size(); ++slot) {
    view.SetText(ids::kSourceButtons[slot], sourceSlots[slot].caption);
  }
  view.SetFont(ids::kPatternBox, resultFont);
  view.Focus(ids::kPatternBox);
  view.SetFont(ids::kResultList, resultFont);
  view.SetChecked(ids::kIjEenLetter, dialog.ijOneLetter != 0);
  view.SetChecked(ids::kGangbaar, dialog.common != 0);
  ShowCommonAvailability(dialog);
}

void CloseMainDialog(MainDialog& dialog) {
  if (ReadForm(dialog)) dialog.view.EndDialog(true);
}

}  // namespace kwintel
