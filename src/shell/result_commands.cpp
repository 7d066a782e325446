#include "shell/result_commands.h"

#include <memory>
#include <new>

#include "ports/control_ids.h"
#include "results/copy_results.h"
#include "results/print_layout.h"
#include "results/restore_results.h"
#include "results/result_file.h"
#include "results/result_state.h"
#include "results/sort_results.h"
#include "shell/form.h"
#include "shell/word_file_sources.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

void ShowOutOfMemory(MainDialog& dialog) {
  dialog.view.ShowMessage("Onvoldoende geheugen", "Oei", MessageIcon::Exclamation);
}

}  // namespace

void ToggleCase(MainDialog& dialog) {
  if (upperCaseMode) {
    dialog.view.SetText(ids::kHoofdKlein, "Klein");
    upperCaseMode = 0;
  } else {
    dialog.view.SetText(ids::kHoofdKlein, "Hoofd");
    upperCaseMode = 1;
  }
}

void SortResults(MainDialog& dialog) {
  try {
    SortResultLines(dialog.view.Results());
  } catch (const std::bad_alloc&) {
    ShowOutOfMemory(dialog);
  }
}

void RestoreResults(MainDialog& dialog) { RestoreResultLines(dialog.view.Results(), dialog.resultBackup); }

void CopyResults(MainDialog& dialog) {
  // The whole text is built before anything is touched, so running out of memory leaves the
  // clipboard and the form as they were.
  std::string text;
  try {
    text = SelectedLinesText(dialog.view.Results());
  } catch (const std::bad_alloc&) {
    ShowOutOfMemory(dialog);
    return;
  }
  if (text.empty()) return;
  WriteForm(dialog);
  dialog.platform.SetClipboardText(text);
}

void WriteResultFile(MainDialog& dialog) {
  const std::optional<std::string> chosen = dialog.platform.ChooseResultFile(resultFileName);
  if (!chosen) {
    resultFileName.clear();
    return;
  }
  // Kept even when the write fails, so the next dialog proposes the same file for another try.
  resultFileName = *chosen;
  if (const std::optional<std::string> failure = WriteResultFileTo(dialog.view.Results(), resultFileName)) {
    dialog.view.ShowMessage(*failure, "Fout", MessageIcon::Exclamation);
  }
}

void PrintResults(MainDialog& dialog) {
  const ResultList& list = dialog.view.Results();
  if (list.Count() <= 1) return;
  Platform& platform = dialog.platform;
  const std::unique_ptr<PrintSurface> printer = platform.ChoosePrinter();
  if (!printer) return;
  PrintResultLines(*printer, list, FileNameForDisplay(wordFilePrefix), [&platform] { return platform.LocalTimeNow(); });
}

}  // namespace kwintel
