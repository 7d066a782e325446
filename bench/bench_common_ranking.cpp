// "Gangbaar" ranking the 81,000 words of «*EN» (the set's words ending in EN, in the order a search
// reads them) with their counts from opentaal.FRQ, keeping 100, 15,000 and all of them. The ranking must
// add under about 2 ms to a search with a maximum of 100. "ranking" times the offers and the
// final take alone, "with lookups" adds each word's count lookup, as a search pays both.
//
// Files: KWINTEL_BIN_DIR/opentaal.FRQ and opentaal02.DOC ... opentaal19.DOC (build target
// kwintel_word_files), or another set named by its prefix in the environment variable
// KWINTEL_WORD_PREFIX.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "bench_word_set.h"
#include "engine/search_type.h"
#include "engine/word_counts.h"
#include "engine/word_file.h"
#include "engine/word_file_set.h"
#include "results/common_ranking.h"

namespace {

using namespace kwintel;
using bench::WordsEndingInEn;

struct Fixture {
  LoadedWordCounts counts;
  std::vector<std::string> words;
  bool Ready() const { return counts.state == CountsFileState::kRead && !words.empty(); }
};

const Fixture& TheFixture() {
  static const Fixture fixture{LoadWordCounts(WordFileSet::CountsPathOf(bench::WordPrefix())), WordsEndingInEn()};
  return fixture;
}

void BM_RankEnWords(benchmark::State& state) {
  const Fixture& fixture = TheFixture();
  if (!fixture.Ready()) {
    state.SkipWithError("no counts file or no word files: are they made?");
    return;
  }
  std::vector<std::pair<std::string_view, std::uint64_t>> offers;
  for (const std::string& word : fixture.words) offers.emplace_back(word, fixture.counts.counts.CountOf(word));
  const auto maximum = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    CommonRanking ranking(maximum);
    for (const auto& [word, count] : offers) ranking.Offer(word, count);
    std::size_t bytes = 0;
    ranking.TakeHighestFirst([&](std::string_view text, std::uint64_t) { bytes += text.size(); });
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["offers"] = static_cast<double>(offers.size());
}
BENCHMARK(BM_RankEnWords)->Name("ranking")->Arg(100)->Arg(15000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RankEnWordsWithLookups(benchmark::State& state) {
  const Fixture& fixture = TheFixture();
  if (!fixture.Ready()) {
    state.SkipWithError("no counts file or no word files: are they made?");
    return;
  }
  const auto maximum = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    CommonRanking ranking(maximum);
    for (const std::string& word : fixture.words) ranking.Offer(word, fixture.counts.counts.CountOf(word));
    std::size_t bytes = 0;
    ranking.TakeHighestFirst([&](std::string_view text, std::uint64_t) { bytes += text.size(); });
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["offers"] = static_cast<double>(fixture.words.size());
}
BENCHMARK(BM_RankEnWordsWithLookups)
    ->Name("ranking with lookups")
    ->Arg(100)
    ->Arg(15000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
