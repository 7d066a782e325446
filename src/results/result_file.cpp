#include "results/result_file.h"

#include <cerrno>
#include <new>

#include "results/atomic_file_write.h"
#include "results/result_state.h"
#include "results/write_error_text.h"
#include "shell/text_encoding.h"

namespace kwintel {

void WriteResultFile(MainDialog& dialog) {
  const std::optional<std::string> chosen = dialog.platform.ChooseResultFile(resultFileName);
  if (!chosen) {
    resultFileName.clear();
    return;
  }
  // Kept even when the write fails, so the next dialog proposes the same file for another try.
  resultFileName = *chosen;
  if (const std::optional<std::string> failure = WriteResultFileTo(dialog, resultFileName)) {
    dialog.view.ShowMessage(*failure, "Fout", MessageIcon::Exclamation);
  }
}

std::optional<std::string> WriteResultFileTo(MainDialog& dialog, const std::string& path) {
  int error = 0;
  try {
    const ResultList& list = dialog.view.Results();
    std::string content;
    const int lastResultLine = list.Count() - 2;  // the last line is the summary line
    for (int i = 0; i <= lastResultLine; ++i) {
      content += Cp1252ToUtf8(list.Text(i));
      content += '\n';
    }
    error = WriteFileAtomically(path, content);
  } catch (const std::bad_alloc&) {
    error = ENOMEM;
  }
  if (error == 0) return std::nullopt;
  return ResultWriteErrorText(path, error);
}

}  // namespace kwintel
