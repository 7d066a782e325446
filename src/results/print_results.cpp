#include "results/print_results.h"

#include <memory>

#include "results/print_layout.h"
#include "shell/text_encoding.h"
#include "shell/word_file_sources.h"

namespace kwintel {

void PrintResults(MainDialog& dialog) {
  const ResultList& list = dialog.view.Results();
  if (list.Count() <= 1) return;
  Platform& platform = dialog.platform;
  const std::unique_ptr<PrintSurface> printer = platform.ChoosePrinter();
  if (!printer) return;
  PrintResultLines(*printer, list, FileNameForDisplay(wordFilePrefix),
                   [&platform] { return platform.LocalTimeNow(); });
}

}  // namespace kwintel
