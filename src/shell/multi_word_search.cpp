#include "shell/multi_word_search.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "engine/multi_word_anagram.h"
#include "engine/result_line.h"
#include "engine/word_counts.h"
#include "engine/word_file.h"
#include "engine/word_file_name.h"
#include "engine/word_scan.h"
#include "results/result_state.h"
#include "shell/add_result_line.h"
#include "shell/run_search.h"
#include "shell/scan_word_file.h"
#include "shell/word_file_sources.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

// The words of one file into the index, with the scan's progress and pumps.
class GatheringSink : public ScanSink {
 public:
  GatheringSink(MainDialog& dialog, MultiWordIndex& index) : dialog_(dialog), index_(index) {}

  void Found(std::string_view word) override { index_.Add(word); }

  void Pump(const WordFile& file) override { ShowScanProgress(dialog_, file); }

 private:
  MainDialog& dialog_;
  MultiWordIndex& index_;
};

// A "Meerwoord" line counts as its rarest word.
std::uint64_t RarestCount(const MainDialog& dialog, std::string_view line) {
  if (dialog.counts == nullptr) return 0;
  std::uint64_t rarest = UINT64_MAX;
  for (std::size_t begin = 0; begin <= line.size();) {
    const std::size_t end = std::min(line.find(' ', begin), line.size());
    rarest = std::min(rarest, dialog.counts->CountOf(line.substr(begin, end - begin)));
    begin = end + 1;
  }
  return rarest;
}

}  // namespace

void SearchMultiWordAnagrams(MainDialog& dialog, const CompiledPattern& pattern, const SearchRequest& request,
                             const WordFilePaths& paths, int minLength, int maxLength) {
  const MultiWordPattern& multiWord = *pattern.multiWord;
  MultiWordIndex index(multiWord);
  GatheringSink sink(dialog, index);
  WordFile file;
  for (int length = minLength; length <= maxLength; ++length) {
    if (searchRunState.stopRequested) return;
    if (!request.LengthSelected(length) || !multiWord.ReadsLength(length)) continue;
    if (!file.Open(paths[LengthIndex(length)])) continue;
    dialog.view.SetTitle(kTitlePrefix + FileNameForDisplay(WordFileName(wordFilePrefix, length)));
    ReadWords(file, sink);
    searchRunState.bytesDone += file.Size();
    file.Close();
  }
  if (searchRunState.stopRequested) return;

  // "Met lengte" shows the number of letters of the whole line.
  const int letters = static_cast<int>(multiWord.letters.size());
  std::string line;
  std::string shown;
  index.Enumerate(
      [&](std::string_view found) {
        if (PassesResultFilter(dialog, found)) {
          const std::string_view text = ResultLineText(SearchType::MultiWordAnagram, found, upperCaseMode != 0, line);
          if (!OfferRankedLine(dialog, text, letters, RarestCount(dialog, found), shown)) {
            AppendResultLine(dialog, text, letters, true, shown);
          }
        }
        if (dialog.ranking == nullptr && searchRunState.resultCount >= request.maxResults) {
          searchRunState.stopRequested = true;
        }
        return searchRunState.stopRequested ? Flow::Stop : Flow::Continue;
      },
      [&] {
        PumpMessages(dialog);
        return searchRunState.stopRequested ? Flow::Stop : Flow::Continue;
      });
}

}  // namespace kwintel
