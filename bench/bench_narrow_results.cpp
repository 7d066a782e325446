// "&Doorzoeken" over a list of 15,000 result lines and its summary line, in process, through a
// session in memory with a Sequence pattern. The goal is under 10 ms per narrowing on one core.
// The lines are every 27th word of the OpenTaal word files (all lengths), refilled before each
// iteration outside the timing.
//
// Word files: KWINTEL_BIN_DIR/opentaal02.DOC ... opentaal19.DOC (build target kwintel_word_files),
// or another set named by its prefix in the environment variable KWINTEL_WORD_PREFIX.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_session.h"
#include "engine/word_file.h"
#include "shell/narrow_results.h"

namespace {

using namespace kwintel;

constexpr int kLines = 15'000;

// kLines result lines as a search shows them, with or without their length numbers.
std::vector<std::string> ResultLines(bool withLength) {
  const std::string prefix = bench::WordPrefix();
  std::vector<std::string> lines;
  WordFile file;
  int seen = 0;
  for (int length = kMinWordLength; length <= kMaxWordLength && lines.size() < kLines; ++length) {
    if (!file.Open(WordFileSet::FileNameOf(prefix, length))) continue;
    const char* word = nullptr;
    std::size_t size = 0;
    while (lines.size() < kLines && file.NextLine(word, size)) {
      if (seen++ % 27 != 0) continue;
      std::string number = std::to_string(size);
      if (number.size() < 2) number.insert(0, " ");
      lines.push_back((withLength ? number + ". " : "") + std::string(word, size));
    }
  }
  return lines;
}

void Narrow(benchmark::State& state, const char* pattern, bool withLength) {
  const std::vector<std::string> lines = ResultLines(withLength);
  if (lines.size() < kLines) {
    state.SkipWithError("fewer than 15,000 words: are the word files made?");
    return;
  }
  bench::BenchSession bench;
  bench.form.maxResults = 15000;
  bench.form.pattern = pattern;
  bench.session.withLength = withLength ? 1 : 0;
  MemoryResultList& results = bench.results;
  for (auto _ : state) {
    state.PauseTiming();
    results.Clear();
    for (const std::string& line : lines) results.Append(line);
    results.Append("Maximum: 15000");
    state.ResumeTiming();
    NarrowResults(bench.session, bench.form);
    benchmark::DoNotOptimize(results.Count());
  }
  state.counters["kept"] = results.Count() - 1;
  state.SetLabel(results.Text(results.Count() - 1));
}

BENCHMARK_CAPTURE(Narrow, *EN, "*EN", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Narrow, *EN / with_length, "*EN", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Narrow, -*E* / with_length, "-*E*", true)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
