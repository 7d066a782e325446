#include "engine/scan_word_file.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "engine/match_word.h"
#include "engine/result_line.h"
#include "engine/run_search.h"
#include "shell/text_encoding.h"
#include "shell/word_file_sources.h"

namespace kwintel {
namespace {

// Lines counted between two pumps: the pump comes with line 10,001 and every 10,001 lines after.
constexpr int kLinesBetweenPumps = 10000;

void ShowProgress(MainDialogView& view, const WordFile& file) {
  const std::int64_t total = searchRunState.bytesTotal;
  if (total <= 0) return;
  const std::int64_t done = searchRunState.bytesDone + file.Position();
  // A file that grew after the sizes were summed must not push the bar past its end.
  view.SetProgress(static_cast<int>(std::clamp<std::int64_t>(done * 100 / total, 0, 100)));
}

}  // namespace

void ScanWordFile(MainDialog& dialog, const char* pattern, WordFile& file, SearchType type, int maxResults,
                  int length) {
  MainDialogView& view = dialog.view;
  view.SetTitle(kTitlePrefix + FileNameForDisplay(WordFileName(wordFilePrefix, length)));
  int counter = 0;
  std::string line;
  std::string shown;
  const char* word = nullptr;
  std::size_t wordLength = 0;
  const SteadyPatternScope steadyPattern(type, pattern);
  while (!searchRunState.stopRequested && file.NextLine(word, wordLength)) {
    if (counter == kLinesBetweenPumps) {
      counter = 0;
      ShowProgress(view, file);
      PumpMessages(dialog);
    } else {
      ++counter;
    }
    MatchWordOfLength(type, pattern, word, wordLength);
    if (!matchState.matched) continue;
    const std::string_view found(word, wordLength);
    if (PassesResultFilter(dialog, found)) {
      const int shownLength = static_cast<int>(std::min<std::size_t>(wordLength, std::numeric_limits<int>::max()));
      AppendResultLine(dialog, ResultLineText(type, found, line), shownLength, true, shown);
    }
    if (searchRunState.resultCount >= maxResults) searchRunState.stopRequested = true;
  }
}

}  // namespace kwintel
