// Reading a set's counts file and looking words up in it. The goal for reading opentaal.FRQ
// (about 117,000 lines) is under 20 ms, with its check file and without; a search with "Gangbaar" looks up every word
// it finds, so the lookups of the 81,000 words of «*EN» are timed as well.
//
// Files: KWINTEL_BIN_DIR/opentaal.FRQ and opentaal02.DOC ... opentaal19.DOC (build target
// kwintel_word_files), or another set named by its prefix in the environment variable
// KWINTEL_WORD_PREFIX.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_word_set.h"
#include "engine/engine_types.h"
#include "engine/word_counts.h"
#include "engine/word_file.h"
#include "engine/word_file_name.h"

namespace {

using namespace kwintel;
using bench::WordsEndingInEn;

void BM_LoadCountsFile(benchmark::State& state) {
  const std::string path = CountsFilePath(bench::WordPrefix());
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

// The same bytes without their check file: every line read to find out that they are well-formed.
void BM_ReadCountsLineByLine(benchmark::State& state) {
  const LoadedWordCounts loaded = LoadWordCounts(CountsFilePath(bench::WordPrefix()));
  if (loaded.state != CountsFileState::kRead) {
    state.SkipWithError("no counts file: is opentaal.FRQ made (Debian package frogdata)?");
    return;
  }
  std::vector<char> bytes;
  const std::string path = CountsFilePath(bench::WordPrefix());
  std::FILE* file = std::fopen(path.c_str(), "rb");
  for (char buffer[65536]; const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);) {
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  std::fclose(file);
  for (auto _ : state) {
    const WordCounts counts = WordCounts::FromContents(bytes);
    benchmark::DoNotOptimize(counts.Size());
  }
}
BENCHMARK(BM_ReadCountsLineByLine)->Unit(benchmark::kMillisecond);

void BM_CountsOfEnWords(benchmark::State& state) {
  const LoadedWordCounts loaded = LoadWordCounts(CountsFilePath(bench::WordPrefix()));
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

// The same lookups as a search pays them once: on counts just read, so that after the first
// kSearchedLookups the lines are sorted out by word length within the timing.
void BM_CountsOfEnWordsFreshlyRead(benchmark::State& state) {
  const std::string path = CountsFilePath(bench::WordPrefix());
  const std::vector<std::string> words = WordsEndingInEn();
  for (auto _ : state) {
    state.PauseTiming();
    const LoadedWordCounts loaded = LoadWordCounts(path);
    state.ResumeTiming();
    if (loaded.state != CountsFileState::kRead || words.empty()) {
      state.SkipWithError("no counts file or no word files: are they made?");
      return;
    }
    std::uint64_t sum = 0;
    for (const std::string& word : words) sum += loaded.counts.CountOf(word);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_CountsOfEnWordsFreshlyRead)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
