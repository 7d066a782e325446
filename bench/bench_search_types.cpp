// Speed of the nine search types other than Sequence over the OpenTaal word files, in process,
// with every length box checked and no result limit. The goal is under 10 ms per search on one
// core.
//   <case>/run_search  one whole "&Ga zoeken" per iteration: RunSearch through a session in
//                      memory, reading the files every time, "IJ één letter" off
//   <case>/matcher     the compiled pattern alone over the words of the lengths it reads, held in
//                      memory
//   <case>/all_words   the compiled pattern alone over every word of every length, a worst case
//
// Word files: KWINTEL_BIN_DIR/opentaal02.DOC ... opentaal19.DOC (build target kwintel_word_files),
// or another set named by its prefix in the environment variable KWINTEL_WORD_PREFIX.

#include <benchmark/benchmark.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "bench_session.h"
#include "engine/pattern.h"
#include "shell/run_search.h"

namespace {

// Every word of the set, NUL-terminated, in one buffer, shortest files first.
struct WordSet {
  std::string bytes;
  std::vector<const char*> words;
  std::vector<std::size_t> lengths;  // of each word, up to its NUL
  // The words of length L are words[firstOfLength[L] .. firstOfLength[L + 1]).
  std::size_t firstOfLength[kwintel::kMaxWordLength + 2] = {};
  int filesRead = 0;
};

WordSet LoadWords(const std::string& prefix) {
  WordSet set;
  std::vector<std::size_t> starts;
  for (int length = kwintel::kMinWordLength; length <= kwintel::kMaxWordLength; ++length) {
    set.firstOfLength[length] = starts.size();
    set.firstOfLength[length + 1] = starts.size();
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%02d.DOC", length);
    std::ifstream file(prefix + suffix, std::ios::binary);
    if (!file) continue;
    ++set.filesRead;
    const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::size_t start = 0;
    while (start < content.size()) {
      std::size_t end = content.find('\n', start);
      if (end == std::string::npos) end = content.size();
      std::size_t wordEnd = end;
      if (wordEnd > start && content[wordEnd - 1] == '\r') --wordEnd;
      starts.push_back(set.bytes.size());
      set.bytes.append(content, start, wordEnd - start);
      set.bytes.push_back('\0');
      start = end + 1;
    }
    set.firstOfLength[length + 1] = starts.size();
  }
  for (const std::size_t start : starts) {
    set.words.push_back(set.bytes.data() + start);
    set.lengths.push_back(std::strlen(set.words.back()));
  }
  return set;
}

struct Case {
  const char* name;  // the search type's caption and the pattern as typed
  kwintel::SearchType type;
  const char* pattern;
};

using T = kwintel::SearchType;
const Case kCases[] = {
    {"Anagram/ROOS", T::Anagram, "ROOS"},
    {"Anagram/ROOS-T", T::Anagram, "ROOS-T"},
    {"Anagram-1/KAART", T::AnagramMinusOne, "KAART"},
    {"Subset/KAARTEN", T::Subset, "KAARTEN"},
    {"Set/ANS", T::Set, "ANS"},
    {"Frequentie/2211", T::Frequency, "2211"},
    {"Frequentie/2*", T::Frequency, "2*"},
    {"Stapel/BCDFGHJKLMNPQRSTVWXZ 4", T::Stack, "BCDFGHJKLMNPQRSTVWXZ 4"},
    {"Product/KAT", T::Product, "KAT"},
    {"Som/KAT", T::Sum, "KAT"},
    {"Telefoon/7667", T::Telephone, "7667"},
};

void RunWholeSearch(benchmark::State& state, const Case* c) {
  kwintel::bench::BenchSession bench;
  bench.UseWordSet();
  bench.form.type = c->type;
  bench.form.pattern = c->pattern;
  bench.TimeSearches(state);
}

void RunMatcher(benchmark::State& state, const WordSet* set, const Case* c, bool allWords) {
  auto compiled = kwintel::Compile(c->type, c->pattern);
  const auto* pattern = std::get_if<kwintel::Pattern>(&compiled);
  if (pattern == nullptr) {
    state.SkipWithError("the pattern was refused");
    return;
  }
  const std::size_t first = allWords ? 0 : set->firstOfLength[pattern->MinLength()];
  const std::size_t last = allWords ? set->words.size() : set->firstOfLength[pattern->MaxLength() + 1];
  std::int64_t matches = 0;
  for (auto _ : state) {
    matches = 0;
    for (std::size_t i = first; i < last; ++i) matches += pattern->Match(set->words[i], set->lengths[i]).matched;
    benchmark::DoNotOptimize(matches);
  }
  const auto words = static_cast<double>(last - first);
  state.counters["words"] = words;
  state.counters["matches"] = static_cast<double>(matches);
  state.counters["time_per_word"] =
      benchmark::Counter(words, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.SetLabel("lengths " + std::to_string(pattern->MinLength()) + "-" + std::to_string(pattern->MaxLength()));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string prefix = kwintel::bench::WordPrefix();
  static const WordSet set = LoadWords(prefix);
  if (set.filesRead == 0) {
    std::fprintf(stderr,
                 "No word files %sNN.DOC: build the target kwintel_word_files, or set "
                 "KWINTEL_WORD_PREFIX to the prefix of another set.\n",
                 prefix.c_str());
    return 1;
  }
  std::fprintf(stderr, "%zu words from %d word files %sNN.DOC\n", set.words.size(), set.filesRead, prefix.c_str());
  for (const Case& c : kCases) {
    benchmark::RegisterBenchmark((std::string(c.name) + "/run_search").c_str(), RunWholeSearch, &c)
        ->Unit(benchmark::kMillisecond);
  }
  for (const bool allWords : {false, true}) {
    for (const Case& c : kCases) {
      const std::string name = std::string(c.name) + (allWords ? "/all_words" : "/matcher");
      benchmark::RegisterBenchmark(name.c_str(), RunMatcher, &set, &c, allWords)->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
