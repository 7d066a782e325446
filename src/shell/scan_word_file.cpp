#include "shell/scan_word_file.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "engine/result_line.h"
#include "engine/word_counts.h"
#include "engine/word_file_name.h"
#include "engine/word_scan.h"
#include "results/result_state.h"
#include "shell/add_result_line.h"
#include "shell/run_search.h"
#include "shell/word_file_sources.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

// The found words of one file into the dialog's list.
class DialogScanSink : public ScanSink {
 public:
  DialogScanSink(MainDialog& dialog, const CompiledPattern& pattern, int maxResults)
      : dialog_(dialog), pattern_(pattern), maxResults_(maxResults) {}

  void Found(std::string_view word) override {
    if (PassesResultFilter(dialog_, word)) {
      const int shownLength = static_cast<int>(std::min<std::size_t>(word.size(), std::numeric_limits<int>::max()));
      std::string_view text = ResultLineText(pattern_.type, word, upperCaseMode != 0, line_);
      if (pattern_.type == SearchType::HiddenWord && FoundBackwards(pattern_, word)) {
        if (text.data() != line_.data()) line_.assign(text);
        line_ += kBackwardsMark;
        text = line_;
      }
      if (!OfferRankedLine(dialog_, text, shownLength, dialog_.counts ? dialog_.counts->CountOf(word) : 0, shown_)) {
        AppendResultLine(dialog_, text, shownLength, true, shown_);
      }
    }
    // A ranked search reads every word: the best may come last.
    if (dialog_.ranking == nullptr && searchRunState.resultCount >= maxResults_) searchRunState.stopRequested = true;
  }

  void Pump(const WordFile& file) override { ShowScanProgress(dialog_, file); }

 private:
  MainDialog& dialog_;
  const CompiledPattern& pattern_;
  int maxResults_;
  std::string line_;
  std::string shown_;
};

}  // namespace

void ShowScanProgress(MainDialog& dialog, const WordFile& file) {
  const std::int64_t total = searchRunState.bytesTotal;
  if (total > 0) {
    const std::int64_t done = searchRunState.bytesDone + file.Position();
    // A file that grew after the sizes were summed must not push the bar past its end.
    dialog.view.SetProgress(static_cast<int>(std::clamp<std::int64_t>(done * 100 / total, 0, 100)));
  }
  PumpMessages(dialog);
}

void ScanWordFile(MainDialog& dialog, const CompiledPattern& pattern, WordFile& file, int maxResults, int length) {
  dialog.view.SetTitle(kTitlePrefix + FileNameForDisplay(WordFileName(wordFilePrefix, length)));
  DialogScanSink sink(dialog, pattern, maxResults);
  ScanWords(pattern, file, sink);
}

}  // namespace kwintel
