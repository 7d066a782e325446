#include "shell/result_commands.h"

#include <memory>
#include <new>

#include "ports/control_ids.h"
#include "results/copy_results.h"
#include "results/print_layout.h"
#include "results/restore_results.h"
#include "results/result_file.h"
#include "results/sort_results.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

void ShowOutOfMemory(Session& session) {
  session.view.ShowMessage("Onvoldoende geheugen", "Oei", MessageIcon::Exclamation);
}

}  // namespace

void ToggleCase(Session& session) {
  session.upperCaseMode = 1 - session.upperCaseMode;
  session.view.SetText(ids::kHoofdKlein, session.upperCaseMode ? "Hoofd" : "Klein");
}

void SortResults(Session& session) {
  try {
    SortResultLines(session.results, session.sortMode);
  } catch (const std::bad_alloc&) {
    ShowOutOfMemory(session);
  }
}

void RestoreResults(Session& session) { RestoreResultLines(session.results, session.resultBackup); }

void CopyResults(Session& session) {
  // The whole text is built before anything is touched, so running out of memory leaves the
  // clipboard and the form as they were.
  std::string text;
  try {
    text = SelectedLinesText(session.results);
  } catch (const std::bad_alloc&) {
    ShowOutOfMemory(session);
    return;
  }
  if (text.empty()) return;
  session.view.ShowForm(session.form);
  session.platform.SetClipboardText(text);
}

void WriteResultFile(Session& session) {
  const std::optional<std::string> chosen = session.platform.ChooseResultFile(session.resultFileName);
  if (!chosen) {
    session.resultFileName.clear();
    return;
  }
  // Kept even when the write fails, so the next dialog proposes the same file for another try.
  session.resultFileName = *chosen;
  if (const std::optional<std::string> failure = WriteResultFileTo(session.results, session.resultFileName)) {
    session.view.ShowMessage(*failure, "Fout", MessageIcon::Exclamation);
  }
}

void PrintResults(Session& session) {
  const ResultList& list = session.results;
  if (list.Count() <= 1) return;
  Platform& platform = session.platform;
  const std::unique_ptr<PrintSurface> printer = platform.ChoosePrinter();
  if (!printer) return;
  const std::string prefix = ChosenPrefix(session);
  PrintResultLines(*printer, list, FileNameForDisplay(prefix), [&platform] { return platform.LocalTimeNow(); });
}

}  // namespace kwintel
