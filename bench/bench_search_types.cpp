// Speed of the nine search types other than Sequence over the OpenTaal word files, in process,
// with every length box checked and no result limit. The goal is under 10 ms per search on one
// core.
//   <case>/run_search  one whole "&Ga zoeken" per iteration: RunSearch through an in-memory
//                      dialog, reading the files every time, "IJ één letter" off
//   <case>/matcher     MatchWord alone over the words of the lengths the prepared pattern scans,
//                      held in memory
//   <case>/all_words   MatchWord alone over every word of every length, as a worst case
//   <case>/scan_matcher the matcher as a word-file scan calls it (MatchCompiled with the
//                      pattern compiled once) over the words of the scanned lengths
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

#include "bench_word_set.h"
#include "engine/compiled_pattern.h"
#include "engine/engine_types.h"
#include "engine/match_word.h"
#include "engine/prepare_search_pattern.h"
#include "ports/control_ids.h"
#include "shell/auxiliary_commands.h"
#include "shell/memory_platform.h"
#include "shell/memory_view.h"
#include "shell/program_state.h"
#include "shell/run_search.h"
#include "shell/word_file_sources.h"

namespace {

using kwintel::matchState;

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
  int radio;  // the search type's radio button
  const char* pattern;
};

using T = kwintel::SearchType;
namespace ids = kwintel::ids;
const Case kCases[] = {
    {"Anagram/ROOS", T::Anagram, ids::kAnagram, "ROOS"},
    {"Anagram/ROOS-T", T::Anagram, ids::kAnagram, "ROOS-T"},
    {"Anagram-1/KAART", T::AnagramMinusOne, ids::kAnagramMinusOne, "KAART"},
    {"Subset/KAARTEN", T::Subset, ids::kSubset, "KAARTEN"},
    {"Set/ANS", T::Set, ids::kSet, "ANS"},
    {"Frequentie/2211", T::Frequency, ids::kFrequentie, "2211"},
    {"Frequentie/2*", T::Frequency, ids::kFrequentie, "2*"},
    {"Stapel/BCDFGHJKLMNPQRSTVWXZ 4", T::Stack, ids::kStapel, "BCDFGHJKLMNPQRSTVWXZ 4"},
    {"Product/KAT", T::Product, ids::kProduct, "KAT"},
    {"Som/KAT", T::Sum, ids::kSom, "KAT"},
    {"Telefoon/7667", T::Telephone, ids::kTelefoon, "7667"},
};

void RunWholeSearch(benchmark::State& state, const std::string* prefix, const Case* c) {
  kwintel::ResetProgramWideState();
  kwintel::wordFilePrefix = *prefix;
  kwintel::MemoryView view;
  kwintel::MemoryPlatform platform;
  kwintel::MainDialog dialog(view, platform);
  kwintel::CheckAllLengths(dialog);
  view.CheckRadio(ids::kVolgorde, ids::kTelefoon, c->radio);
  dialog.ijOneLetter = 0;
  dialog.maxResultsOverride = INT_MAX;
  view.SetText(ids::kPatternBox, c->pattern);
  for (auto _ : state) {
    kwintel::RunSearch(dialog);
    benchmark::DoNotOptimize(view.results.Count());
  }
  if (!view.messages.empty()) {
    state.SkipWithError(("message: " + view.messages.front().text).c_str());
    return;
  }
  state.counters["lines"] = view.results.Count() - 1;
  state.SetLabel(view.results.Text(view.results.Count() - 1));
}

enum class MatcherEntry { kWordsOfScannedLengths, kAllWords, kAsTheScan };

void RunMatcher(benchmark::State& state, const WordSet* set, const Case* c, MatcherEntry entry) {
  const bool allWords = entry == MatcherEntry::kAllWords;
  kwintel::PreparedPattern prepared;
  prepared.text = c->pattern;
  if (!kwintel::PrepareSearchPattern(prepared, c->type)) {
    state.SkipWithError("the pattern was refused");
    return;
  }
  const std::size_t first = allWords ? 0 : set->firstOfLength[prepared.minLength];
  const std::size_t last = allWords ? set->words.size() : set->firstOfLength[prepared.maxLength + 1];
  const char* pattern = prepared.text.c_str();
  std::int64_t matches = 0;
  if (entry == MatcherEntry::kAsTheScan) {
    const kwintel::CompiledPattern compiled = kwintel::CompilePattern(c->type, pattern);
    for (auto _ : state) {
      matches = 0;
      for (std::size_t i = first; i < last; ++i) {
        kwintel::MatchCompiled(compiled, set->words[i], set->lengths[i]);
        matches += matchState.matched;
      }
      benchmark::DoNotOptimize(matches);
    }
  } else {
    for (auto _ : state) {
      matches = 0;
      for (std::size_t i = first; i < last; ++i) {
        kwintel::MatchWord(c->type, pattern, set->words[i]);
        matches += matchState.matched;
      }
      benchmark::DoNotOptimize(matches);
    }
  }
  const auto words = static_cast<double>(last - first);
  state.counters["words"] = words;
  state.counters["matches"] = static_cast<double>(matches);
  state.counters["time_per_word"] =
      benchmark::Counter(words, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.SetLabel("lengths " + std::to_string(prepared.minLength) + "-" + std::to_string(prepared.maxLength));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string prefix = kwintel::bench::WordPrefix();
  static const std::string wordPrefix = prefix;
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
    benchmark::RegisterBenchmark((std::string(c.name) + "/run_search").c_str(), RunWholeSearch, &wordPrefix, &c)
        ->Unit(benchmark::kMillisecond);
  }
  const std::pair<MatcherEntry, const char*> entries[] = {
      {MatcherEntry::kWordsOfScannedLengths, "/matcher"},
      {MatcherEntry::kAllWords, "/all_words"},
      {MatcherEntry::kAsTheScan, "/scan_matcher"},
  };
  for (const auto& [entry, suffix] : entries) {
    for (const Case& c : kCases) {
      const std::string name = std::string(c.name) + suffix;
      benchmark::RegisterBenchmark(name.c_str(), RunMatcher, &set, &c, entry)->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
