#include "engine/run_search.h"

#include <algorithm>
#include <cstdio>

#include "engine/prepare_search_pattern.h"
#include "engine/result_line.h"
#include "engine/scan_word_file.h"
#include "engine/word_file.h"
#include "engine/word_file_lookup.h"
#include "results/result_state.h"
#include "shell/form.h"
#include "shell/text_encoding.h"
#include "shell/word_file_sources.h"

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
    const std::int64_t size = WordFile::RegularFileSize(paths[length - kMinWordLength]);
    if (size > 0) searchRunState.bytesTotal += size;
  }
  WordFile file;
  for (int length = minLength; length <= maxLength; ++length) {
    if (searchRunState.stopRequested) break;
    if (!request.LengthSelected(length) || !file.Open(paths[length - kMinWordLength])) continue;
    ScanWordFile(dialog, prepared.text.c_str(), file, request.type, request.maxResults, length);
    searchRunState.bytesDone += file.Size();
    file.Close();
  }

  if (!searchRunState.stopRequested) view.SetProgress(100);
  results.Append(SummaryLine(results.Count(), request.type, prepared));
}

bool PassesSetResultFilter(const MainDialog& dialog, std::string_view text) {
  for (const char c : dialog.mustNotContain) {
    if (text.find(c) != std::string_view::npos) return false;
  }
  for (const char c : dialog.mustContain) {
    if (text.find(c) == std::string_view::npos) return false;
  }
  return true;
}

void AddResultLine(MainDialog& dialog, std::string_view text, int length, bool keep) {
  std::string line;
  AppendResultLine(dialog, text, length, keep, line);
}

void PumpMessages(MainDialog& dialog) { dialog.view.PumpMessages(); }

std::string WordFileName(const std::string& prefix, int length) {
  char number[16];
  std::snprintf(number, sizeof number, "%02d", length);
  return prefix + number + ".DOC";
}

}  // namespace kwintel
