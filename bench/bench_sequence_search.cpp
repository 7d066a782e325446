// One whole "&Ga zoeken" per iteration, in process: RunSearch through an in-memory dialog over the
// OpenTaal word files (every length), reading the files every time, with no result limit and
// "IJ één letter" off. The goal is under 10 ms per search on one core.
//
// Word files: KWINTEL_BIN_DIR/opentaal02.DOC ... opentaal19.DOC (build target kwintel_word_files),
// or another set named by its prefix in the environment variable KWINTEL_WORD_PREFIX.

#include <benchmark/benchmark.h>

#include <climits>
#include <string>

#include "bench_word_set.h"
#include "engine/word_file.h"
#include "engine/word_file_name.h"
#include "ports/control_ids.h"
#include "shell/auxiliary_commands.h"
#include "shell/common_words.h"
#include "shell/memory_platform.h"
#include "shell/memory_view.h"
#include "shell/program_state.h"
#include "shell/run_search.h"
#include "shell/word_file_sources.h"

namespace {

using namespace kwintel;
using bench::WordPrefix;

// `maximum`: the maximum of the search (no limit when 0); `common`: "Gangbaar" on, which reads
// every file and ranks the lines by the counts of opentaal.FRQ (read once, before the timing).
void Search(benchmark::State& state, const char* pattern, int maximum = 0, bool common = false) {
  ResetProgramWideState();
  wordFilePrefix = WordPrefix();
  WordFile probe;
  if (!probe.Open(WordFileName(wordFilePrefix, 5))) {
    state.SkipWithError(("no word files at " + wordFilePrefix).c_str());
    return;
  }
  MemoryView view;
  MemoryPlatform platform;
  MainDialog dialog(view, platform);
  CheckAllLengths(dialog);
  view.CheckRadio(ids::kVolgorde, ids::kTelefoon, ids::kVolgorde);
  dialog.ijOneLetter = 0;
  dialog.maxResultsOverride = maximum > 0 ? maximum : INT_MAX;
  if (common) {
    if (CountsOfSet(wordFilePrefix) == nullptr) {
      state.SkipWithError(("no counts at " + CountsFilePath(wordFilePrefix)).c_str());
      return;
    }
    ToggleCommon(dialog);
  }
  view.SetText(ids::kPatternBox, pattern);
  for (auto _ : state) {
    RunSearch(dialog);
    benchmark::DoNotOptimize(view.results.Count());
  }
  if (!view.messages.empty()) {
    state.SkipWithError(("message: " + view.messages.front().text).c_str());
    return;
  }
  state.counters["lines"] = view.results.Count() - 1;
  state.SetLabel(view.results.Text(view.results.Count() - 1));
}

// Reading and dispatch alone: every file is read, almost every word fails at its first letter.
BENCHMARK_CAPTURE(Search, Q*, "Q*")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, R..S, "R..S")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, *EN, "*EN")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, &..&, "&..&")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, *[AEIOU][AEIOU][AEIOU]*, "*[AEIOU][AEIOU][AEIOU]*")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, -*E*, "-*E*")->Unit(benchmark::kMillisecond);
// "Gangbaar": the most common of the 81,242 words of *EN.
BENCHMARK_CAPTURE(Search, Gangbaar* EN max 100, "*EN", 100, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Gangbaar* EN max 15000, "*EN", 15000, true)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
