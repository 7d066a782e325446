// Reading a set's counts file and looking words up in it. The goal for reading opentaal.FRQ
// (about 117,000 lines) is under 20 ms; a search with "Gangbaar" looks up every word it finds, so
// the lookups of the 81,000 words of «*EN» are timed as well.
//
// Files: KWINTEL_BIN_DIR/opentaal.FRQ and opentaal02.DOC ... opentaal19.DOC (build target
// kwintel_word_files), or another set named by its prefix in the environment variable
// KWINTEL_WORD_PREFIX.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench_word_set.h"
#include "engine/search_type.h"
#include "engine/word_counts.h"
#include "engine/word_file.h"
#include "engine/word_file_set.h"

namespace {

using namespace kwintel;
using bench::WordsEndingInEn;

void BM_LoadCountsFile(benchmark::State& state) {
  const std::string path = WordFileSet::CountsPathOf(bench::WordPrefix());
  std::size_t words = 0;
  for (auto _ : state) {
    LoadedWordCounts loaded = LoadWordCounts(path);
    if (loaded.state != CountsFileState::kRead) {
      state.SkipWithError("no counts file: is opentaal.FRQ made (Debian package frogdata)?");
      return;
    }
    words = loaded.counts.Size();
    benchmark::DoNotOptimize(loaded);
  }
  state.counters["words"] = static_cast<double>(words);
}
BENCHMARK(BM_LoadCountsFile)->Unit(benchmark::kMillisecond);

void BM_CountsOfEnWords(benchmark::State& state) {
  const LoadedWordCounts loaded = LoadWordCounts(WordFileSet::CountsPathOf(bench::WordPrefix()));
  const std::vector<std::string> words = WordsEndingInEn();
  if (loaded.state != CountsFileState::kRead || words.empty()) {
    state.SkipWithError("no counts file or no word files: are they made?");
    return;
  }
  for (auto _ : state) {
    std::uint64_t sum = 0;
    for (const std::string& word : words) sum += loaded.counts.CountOf(word);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["lookups"] = static_cast<double>(words.size());
}
BENCHMARK(BM_CountsOfEnWords)->Unit(benchmark::kMillisecond);

// The same look-ups through a cursor, as a search with "Gangbaar" makes them.
void BM_CountsOfEnWordsByCursor(benchmark::State& state) {
  const LoadedWordCounts loaded = LoadWordCounts(WordFileSet::CountsPathOf(bench::WordPrefix()));
  const std::vector<std::string> words = WordsEndingInEn();
  if (loaded.state != CountsFileState::kRead || words.empty()) {
    state.SkipWithError("no counts file or no word files: are they made?");
    return;
  }
  for (auto _ : state) {
    WordCounts::Cursor cursor(loaded.counts);
    std::uint64_t sum = 0;
    for (const std::string& word : words) sum += cursor.CountOf(word);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_CountsOfEnWordsByCursor)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
