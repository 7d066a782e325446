// The sound types and the word games over the OpenTaal set, in process on one core, each iteration
// a whole "&Ga zoeken" (the word games read their word files again; the sound types walk the sound
// file, read once per set, before the timing), next to a plain «*EN» search. The goal: each at
// most 1.5 times as long as «*EN», two blanks included.
//
// Word files: KWINTEL_BIN_DIR/opentaal02.DOC ... opentaal19.DOC (build target kwintel_word_files),
// or another set named by its prefix in the environment variable KWINTEL_WORD_PREFIX.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_session.h"
#include "shell/run_search.h"

namespace {

using namespace kwintel;

void Search(benchmark::State& state, SearchType type, const char* pattern) {
  bench::BenchSession bench;
  if (!bench.UseWordSet()) {
    state.SkipWithError(("no word files at " + bench::WordPrefix()).c_str());
    return;
  }
  if (IsSoundType(type) && bench.session.wordFiles->Sounds() == nullptr) {
    state.SkipWithError("no opentaal.KLK (libespeak-ng missing at build time)");
    return;
  }
  bench.form.type = type;
  bench.form.pattern = pattern;
  bench.TimeSearches(state);
}

BENCHMARK_CAPTURE(Search, Volgorde* EN, SearchType::Sequence, "*EN")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Rijm KAT, SearchType::Rhyme, "KAT")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Rijm SINTERKLAAS, SearchType::Rhyme, "SINTERKLAAS")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Halfrijm DRANK, SearchType::HalfRhyme, "DRANK")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Klinkt als HARD, SearchType::SoundsLike, "HARD")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Wordfeud AEKRST ?, SearchType::Wordfeud, "AEKRST?")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Wordfeud AEKRS ??, SearchType::Wordfeud, "AEKRS??")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Wordfeud AEKRS ?? *E*N*, SearchType::Wordfeud, "AEKRS?? *E*N*")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Scrabble ENOTS ?? *, SearchType::Scrabble, "ENOTS?? *")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Lingo KAART, SearchType::Lingo, "KAART/G.O.. KOERS/G..O.")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
