#include "results/copy_results.h"

#include <new>
#include <vector>

#include "shell/form.h"

namespace kwintel {

void CopyResults(MainDialog& dialog) {
  ResultList& list = dialog.view.Results();
  // The whole text is built before anything is touched, so running out of memory leaves the
  // clipboard and the form as they were.
  std::string text;
  try {
    const std::vector<int> selected = list.SelectedIndices();
    if (selected.empty()) return;
    for (const int index : selected) {
      text += list.Text(index);
      text += '\n';
    }
  } catch (const std::bad_alloc&) {
    dialog.view.ShowMessage("Onvoldoende geheugen", "Oei", MessageIcon::Exclamation);
    return;
  }
  WriteForm(dialog);
  dialog.platform.SetClipboardText(text);
}

}  // namespace kwintel
