// One whole "&Ga zoeken" per iteration, in process: RunSearch through a session in memory over the
// OpenTaal word files (every length), reading the files every time, with no result limit and
// "IJ één letter" off. The goal is under 10 ms per search on one core.
//
// Word files: KWINTEL_BIN_DIR/opentaal02.DOC ... opentaal19.DOC (build target kwintel_word_files),
// or another set named by its prefix in the environment variable KWINTEL_WORD_PREFIX.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_session.h"
#include "shell/common_words.h"
#include "shell/run_search.h"

namespace {

using namespace kwintel;

// `maximum`: the maximum of the search (no limit when 0); `common`: "Gangbaar" on, which reads
// every file and ranks the lines by the counts of opentaal.FRQ (read once, before the timing).
void Search(benchmark::State& state, const char* pattern, int maximum = 0, bool common = false) {
  bench::BenchSession bench;
  if (!bench.UseWordSet()) {
    state.SkipWithError(("no word files at " + bench::WordPrefix()).c_str());
    return;
  }
  if (maximum > 0) bench.form.maxResults = maximum;
  if (common) {
    if (bench.session.wordFiles->Counts() == nullptr) {
      state.SkipWithError(("no counts at " + bench.session.wordFiles->CountsPath()).c_str());
      return;
    }
    ToggleCommon(bench.session);
  }
  bench.form.pattern = pattern;
  bench.TimeSearches(state);
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
BENCHMARK_CAPTURE(Search, *EN max 15000, "*EN", 15000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
