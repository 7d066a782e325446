#include "shell/narrow_results.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/compiled_pattern.h"
#include "engine/prepare_search_pattern.h"
#include "results/result_state.h"
#include "shell/add_result_line.h"
#include "shell/form.h"
#include "shell/run_search.h"
#include "text/text_encoding.h"

namespace kwintel {
namespace {

constexpr int kLinesBetweenPumps = 200;

std::string NarrowingSummary(int found) {
  const std::string count = std::to_string(found);
  if (!searchRunState.stopRequested) return "Doorzoeken gevonden: " + count + ".";
  if (searchRunState.interrupted) return "Doorzoeken onderbroken na: " + count + "e.";
  return "Doorzoeken maximum bereikt: " + count + ".";
}

}  // namespace

void StripLengthPrefix(std::string& text) {
  const std::size_t point = text.find('.');
  if (point > 3 || text.size() < 2 || text[1] < '0' || text[1] > '9') return;
  // "5." has nothing after its point: min() keeps the cut inside the text.
  text.erase(0, std::min(point + 2, text.size()));
}

void NarrowResults(MainDialog& dialog) {
  RunGuard running(dialog);
  MainDialogView& view = dialog.view;
  if (!ReadForm(dialog)) return;
  sortMode = 0;
  ResultList& results = view.Results();
  const int last = results.Count() - 1;
  const SearchType type = ReadSearchType(view);
  const int maxResults = ReadMaxResults(dialog);

  PreparedPattern prepared;
  prepared.text = dialog.pattern;
  AsciiUpperInPlace(prepared.text);
  const std::string upperCased = prepared.text;
  if (!PrepareSearchPattern(prepared, type)) {
    view.ShowMessage(dialog.pattern, "Patroon fout", MessageIcon::Exclamation);
    return;
  }
  if (view.HistoryFind(upperCased) < 0) view.HistoryAdd(upperCased);

  searchRunState.stopRequested = false;
  searchRunState.interrupted = false;
  searchRunState.resultCount = 0;
  view.SetProgressRange(0, 100);
  view.SetProgress(0);

  // The lines to test are taken before the first pump: a command nested in it ("Sorteer",
  // "Vorige") may reorder or replace the list, and the narrowing must still test each line that
  // was there when it started, once.
  std::vector<std::string> lines;
  lines.reserve(last > 0 ? static_cast<std::size_t>(last) : 0);
  for (int i = 0; i < last; ++i) lines.push_back(results.Text(i));

  const CompiledPattern compiled = CompilePattern(type, prepared.text);
  LineStore kept;
  std::string shown;
  for (int i = 0; i < last; ++i) {
    if (searchRunState.stopRequested) break;
    if (i > 0 && i % kLinesBetweenPumps == 0) {
      view.SetProgress(static_cast<int>(std::int64_t{i} * 100 / last));
      PumpMessages(dialog);
    }
    std::string& text = lines[static_cast<std::size_t>(i)];
    StripLengthPrefix(text);
    AsciiUpperInPlace(text);
    MatchCompiled(compiled, text.c_str(), std::strlen(text.c_str()));
    if (!matchState.matched) continue;
    if (PassesResultFilter(dialog, text)) {
      if (!upperCaseMode) AsciiLowerInPlace(text);
      if (const auto line = AppendResultLine(dialog, text, static_cast<int>(text.size()), false, shown)) {
        kept.push_back(*line);
      }
    }
    if (searchRunState.resultCount >= maxResults) searchRunState.stopRequested = true;
  }

  const std::string summary = NarrowingSummary(static_cast<int>(kept.size()));
  if (!searchRunState.stopRequested) view.SetProgress(100);
  // The old lines go by rebuilding the list from the kept ones. That leaves what deleting them one
  // by one from the top would, in time linear in the list rather than quadratic, and it also holds
  // when a nested command reworked the list meanwhile.
  results.Clear();
  for (const std::string_view line : kept) results.Append(line);
  results.Append(summary);
}

}  // namespace kwintel
