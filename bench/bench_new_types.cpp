// Speed of the types "Meerwoord", "Verborgen" and "Drukfout" over the OpenTaal word files, in
// process on one core, each iteration a whole search that reads its word files again with the
// engine's reader. Goals: Meerwoord «KRUISWOORDPUZZEL» under 30 ms, «KRUISWOORDPUZZEL 5,5,6»
// under 100 ms, «PUZZELWOORDENBOEK 4,4,9» to its end or to 15000 lines under 300 ms; Verborgen
// on a clue of 80 letters over all lengths under 10 ms; Drukfout on 9 elements under 10 ms.
//   meerwoord/<pattern>/needed  reads only the files ReadsLength names
//   meerwoord/<pattern>/range   reads every file from minLength to maxLength
//
// Word files: KWINTEL_BIN_DIR/opentaal02.DOC ... opentaal19.DOC (build target kwintel_word_files),
// or another set named by its prefix in the environment variable KWINTEL_WORD_PREFIX.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "bench_word_set.h"
#include "engine/hidden_word.h"
#include "engine/misprint.h"
#include "engine/multi_word_anagram.h"
#include "engine/word_file.h"

namespace {

// Calls visit(word) for every line of the files from minLength to maxLength that `reads`
// allows, shortest first.
template <typename Reads, typename Visit>
void ScanFiles(kwintel::WordFile& file, const std::string& prefix, int minLength, int maxLength, Reads reads,
               Visit visit) {
  for (int length = minLength; length <= maxLength; ++length) {
    if (!reads(length) || !file.Open(kwintel::WordFileSet::FileNameOf(prefix, length))) continue;
    const char* word = nullptr;
    std::size_t size = 0;
    while (file.NextLine(word, size)) visit(std::string_view(word, size));
    file.Close();
  }
}

void Meerwoord(benchmark::State& state, const char* text, bool onlyNeeded) {
  const std::string prefix = kwintel::bench::WordPrefix();
  const auto pattern = kwintel::PrepareMultiWordAnagram(text);
  if (!pattern) {
    state.SkipWithError("pattern refused");
    return;
  }
  kwintel::WordFile file;
  std::size_t lines = 0;
  std::size_t words = 0;
  for (auto _ : state) {
    kwintel::MultiWordIndex index(*pattern);
    ScanFiles(
        file, prefix, pattern->minLength, pattern->maxLength,
        [&](int length) { return !onlyNeeded || pattern->ReadsLength(length); },
        [&](std::string_view word) { index.Add(word); });
    lines = 0;
    index.Enumerate(
        [&](std::string_view line) {
          benchmark::DoNotOptimize(line.data());
          return ++lines >= 15000 ? kwintel::Flow::Stop : kwintel::Flow::Continue;
        },
        [] { return kwintel::Flow::Continue; });
    words = index.WordCount();
  }
  state.SetLabel(std::to_string(lines) + " lines from " + std::to_string(words) + " words");
}

void Verborgen(benchmark::State& state, const char* clue) {
  const std::string prefix = kwintel::bench::WordPrefix();
  const auto pattern = kwintel::PrepareHiddenWord(clue);
  kwintel::WordFile file;
  std::size_t found = 0;
  for (auto _ : state) {
    found = 0;
    ScanFiles(
        file, prefix, pattern->minLength, pattern->maxLength, [](int) { return true; },
        [&](std::string_view word) {
          found += kwintel::FindHiddenWord(*pattern, word) != kwintel::HiddenWordFind::None;
        });
  }
  state.SetLabel(std::to_string(pattern->letters.size()) + " letters, " + std::to_string(found) + " words");
}

void Drukfout(benchmark::State& state, const char* text) {
  const std::string prefix = kwintel::bench::WordPrefix();
  const auto pattern = kwintel::PrepareMisprint(text);
  kwintel::WordFile file;
  std::size_t found = 0;
  for (auto _ : state) {
    found = 0;
    ScanFiles(
        file, prefix, pattern->minLength, pattern->maxLength, [](int) { return true; },
        [&](std::string_view word) { found += kwintel::MatchMisprint(*pattern, word); });
  }
  state.SetLabel(std::to_string(pattern->elements.size()) + " elements, " + std::to_string(found) + " words");
}

constexpr const char* kClue80 =
    "Op de kade stond een oude visser die zijn netten boette, terwijl de meeuwen krijsend "
    "overvliegen.";

}  // namespace

int main(int argc, char** argv) {
  for (const char* text : {"KRUISWOORDPUZZEL", "KRUISWOORDPUZZEL 5,5,6", "PUZZELWOORDENBOEK 4,4,9"}) {
    for (const bool onlyNeeded : {true, false}) {
      const std::string name = std::string("meerwoord/") + text + (onlyNeeded ? "/needed" : "/range");
      benchmark::RegisterBenchmark(name.c_str(), Meerwoord, text, onlyNeeded)->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::RegisterBenchmark("verborgen/80_letters", Verborgen, kClue80)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("drukfout/VERB[AO]RGEN", Drukfout, "VERB[AO]RGEN")->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
