#include "shell/run_search.h"

#include <algorithm>
#include <optional>

#include "engine/compiled_pattern.h"
#include "engine/prepare_search_pattern.h"
#include "engine/word_counts.h"
#include "engine/word_file.h"
#include "engine/word_file_lookup.h"
#include "results/common_ranking.h"
#include "results/result_state.h"
#include "shell/common_words.h"
#include "shell/form.h"
#include "shell/multi_word_search.h"
#include "shell/scan_word_file.h"
#include "shell/word_file_sources.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

// "Totaal: %d", "Maximum: %d" or "Onderbroken: %de" with the number of lines in the list, and for
// Product, Sum and Telephone what was searched for.
std::string SummaryLine(int count, SearchType type, const PreparedPattern& prepared) {
  std::string summary;
  if (!searchRunState.stopRequested) {
    summary = "Totaal: " + std::to_string(count);
  } else if (searchRunState.interrupted) {
    summary = "Onderbroken: " + std::to_string(count) + "e";
  } else {
    summary = "Maximum: " + std::to_string(count);
  }
  if (type == SearchType::Product || type == SearchType::Sum) {
    summary += ", n = " + std::to_string(target);
  } else if (type == SearchType::Telephone) {
    summary += ", n = " + prepared.text;
  }
  return summary;
}

// Hands the dialog a ranking for the lifetime of the scope.
class RankingScope {
 public:
  RankingScope(MainDialog& dialog, CommonRanking* ranking, const WordCounts* counts) : dialog_(dialog) {
    dialog_.ranking = ranking;
    dialog_.counts = counts;
  }
  ~RankingScope() {
    dialog_.ranking = nullptr;
    dialog_.counts = nullptr;
  }
  RankingScope(const RankingScope&) = delete;
  RankingScope& operator=(const RankingScope&) = delete;

 private:
  MainDialog& dialog_;
};

// The ranked lines into the list (and the backup, so that "Vorige" brings them back as listed),
// counted as found lines. More lines offered than kept: the summary says "Maximum".
void ListRankedLines(MainDialog& dialog, CommonRanking& ranking) {
  const bool cut = ranking.Offered() > ranking.Maximum();
  ResultList& results = dialog.view.Results();
  searchRunState.resultCount = 0;
  ranking.TakeHighestFirst([&](std::string_view text, std::uint64_t) {
    if (dialog.keepsResultBackup) {
      results.AppendKept(text, dialog.resultBackup);
    } else {
      results.Append(text);
    }
    ++searchRunState.resultCount;
  });
  if (cut && !searchRunState.interrupted) searchRunState.stopRequested = true;
}

}  // namespace

void RunSearch(MainDialog& dialog) {
  RunGuard running(dialog);
  MainDialogView& view = dialog.view;
  if (!ReadForm(dialog)) return;
  dialog.resultBackup.clear();
  sortMode = 0;
  if (wordFilePrefix.empty()) {
    view.ShowMessage("Specificeer woordbestand", "Fout", MessageIcon::Exclamation);
    return;
  }
  ResultList& results = view.Results();
  results.Clear();

  const SearchRequest request = ReadSearchRequest(dialog);
  PreparedPattern prepared;
  prepared.text = request.pattern;
  AsciiUpperInPlace(prepared.text);
  const std::string upperCased = prepared.text;
  if (!PrepareSearchPattern(prepared, request.type)) {
    view.ShowMessage(request.pattern, "Patroon fout", MessageIcon::Exclamation);
    return;
  }
  if (view.HistoryFind(upperCased) < 0) view.HistoryAdd(upperCased);

  searchRunState = SearchRunState{};
  view.SetProgressRange(0, 100);
  view.SetProgress(0);

  // The preparation promises 2..19; the clamp keeps a broken promise from indexing past `lengths`.
  const int minLength = std::clamp(prepared.minLength, kMinWordLength, kMaxWordLength);
  const int maxLength = std::clamp(prepared.maxLength, minLength, kMaxWordLength);
  const WordFilePaths paths = FindWordFiles(wordFilePrefix);
  // A regular file that cannot be read adds its size here and is skipped below; a search that
  // runs to its end sets the bar to 100 all the same.
  for (int length = minLength; length <= maxLength; ++length) {
    if (!request.LengthSelected(length)) continue;
    const std::int64_t size = WordFile::RegularFileSize(paths[LengthIndex(length)]);
    if (size > 0) searchRunState.bytesTotal += size;
  }
  const CompiledPattern compiled = CompilePattern(request.type, prepared.text);
  // "Gangbaar": the lines wait in the ranking until every word has been read.
  const WordCounts* counts = dialog.common ? CountsOfSet(wordFilePrefix) : nullptr;
  std::optional<CommonRanking> ranking;
  if (counts != nullptr) ranking.emplace(static_cast<std::size_t>(request.maxResults));
  const RankingScope rankingScope(dialog, ranking ? &*ranking : nullptr, counts);
  if (request.type == SearchType::MultiWordAnagram) {
    SearchMultiWordAnagrams(dialog, compiled, request, paths, minLength, maxLength);
  } else {
    WordFile file;
    for (int length = minLength; length <= maxLength; ++length) {
      if (searchRunState.stopRequested) break;
      if (!request.LengthSelected(length) || !file.Open(paths[LengthIndex(length)])) continue;
      ScanWordFile(dialog, compiled, file, request.maxResults, length);
      searchRunState.bytesDone += file.Size();
      file.Close();
    }
  }

  if (ranking) ListRankedLines(dialog, *ranking);
  if (!searchRunState.stopRequested) view.SetProgress(100);
  results.Append(SummaryLine(results.Count(), request.type, prepared));
}

void PumpMessages(MainDialog& dialog) { dialog.view.PumpMessages(); }

}  // namespace kwintel
