// Sequence patterns with several '*': the cases that make plain backtracking exponential. Each
// figure is the time for one pass over the whole word set through the compiled pattern (the
// automaton, or the memoised matcher for letter variables), or through the plain recursion where
// the name says so.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/matchers.h"
#include "engine/pattern.h"
#include "engine/sequence_plain_match.h"

namespace kwintel {
namespace {

constexpr const char* kPathological = "*A*A*A*A*A*A*A*A*A*A*A*A*C";

std::vector<std::string> RandomWords(int count, int length, const std::string& letters, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::string> words(count);
  for (std::string& word : words) {
    for (int i = 0; i < length; ++i) word += letters[random() % letters.size()];
  }
  return words;
}

// The text a typed sequence pattern compiles to.
std::string Prepared(const char* typed) {
  auto compiled = Compile(SearchType::Sequence, typed);
  if (const auto* pattern = std::get_if<Pattern>(&compiled)) return std::get<SequenceForm>(pattern->Forms()).text;
  std::fprintf(stderr, "pattern refused: %s\n", typed);
  std::abort();
}

// As a search matches: the automaton compiled once, or the memoised matcher.
int MatchAll(const std::string& pattern, const std::vector<std::string>& words) {
  const auto automaton = SequenceAutomaton::Compile(pattern.c_str());
  int found = 0;
  for (const std::string& word : words) {
    found += automaton ? automaton->Match(word.c_str()) : MatchSequence(word.c_str(), pattern.c_str());
  }
  return found;
}

int MatchAllPlain(const std::string& pattern, const std::vector<std::string>& words) {
  int found = 0;
  for (const std::string& word : words) found += MatchSequencePlain(word.c_str(), pattern.c_str()).matched;
  return found;
}

void Report(benchmark::State& state, int words, int found) {
  state.counters["words"] = words;
  state.counters["found"] = found;
  state.counters["per_word"] = benchmark::Counter(
      static_cast<double>(words), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The goal: 1,000 words of 90 A's and B's in under 1 second.
void BM_PathologicalRuns(benchmark::State& state) {
  const std::string pattern = Prepared(kPathological);
  const auto words = RandomWords(1000, 90, "AB", 1);
  int found = 0;
  for (auto _ : state) benchmark::DoNotOptimize(found = MatchAll(pattern, words));
  Report(state, 1000, found);
}
BENCHMARK(BM_PathologicalRuns)->Unit(benchmark::kMillisecond);

// The same words ending in C, so that every one matches after a long search.
void BM_PathologicalRunsMatching(benchmark::State& state) {
  const std::string pattern = Prepared(kPathological);
  auto words = RandomWords(1000, 90, "AB", 2);
  for (std::string& word : words) word.back() = 'C';
  int found = 0;
  for (auto _ : state) benchmark::DoNotOptimize(found = MatchAll(pattern, words));
  Report(state, 1000, found);
}
BENCHMARK(BM_PathologicalRunsMatching)->Unit(benchmark::kMillisecond);

// Plain backtracking against the memo on words short enough for the plain one to finish: the
// gap grows without bound with the length of the word.
void BM_PathologicalShortWords(benchmark::State& state) {
  const bool plain = state.range(0) != 0;
  const std::string pattern = Prepared("*A*A*A*A*A*A*C");
  const auto words = RandomWords(20, 26, "AB", 3);
  int found = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(found = plain ? MatchAllPlain(pattern, words) : MatchAll(pattern, words));
  }
  state.SetLabel(plain ? "plain" : "memo");
  Report(state, 20, found);
}
BENCHMARK(BM_PathologicalShortWords)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Letter variables multiply the states: every variable that the rest of the pattern reads is
// part of the remembered state. Three variables bound again and again between runs, over long
// words of many different letters, are the slowest case known: polynomial, but a high power.
void BM_VariablesManyRuns(benchmark::State& state) {
  const std::string pattern = Prepared("*&*$*^*&*$*^*&*$*^*Q");
  const auto words =
      RandomWords(static_cast<int>(state.range(1)), static_cast<int>(state.range(0)), "ABCDEFGHIJKLMNOP", 4);
  int found = 0;
  for (auto _ : state) benchmark::DoNotOptimize(found = MatchAll(pattern, words));
  Report(state, static_cast<int>(state.range(1)), found);
}
BENCHMARK(BM_VariablesManyRuns)->Args({19, 1000})->Args({40, 10})->Args({90, 5})->Unit(benchmark::kMillisecond);

// The slowest case found: three variables bound early, runs of single characters after them,
// and the variables tested again at the very end, so that every binding stays part of the state.
void BM_VariablesBoundEarlyTestedLate(benchmark::State& state) {
  const std::string pattern = Prepared("*&*$*^*.*.*.*.*.*.*&$^");
  const auto words = RandomWords(3, 90, "ABCDEFGHIJKLMNOP", 6);
  int found = 0;
  for (auto _ : state) benchmark::DoNotOptimize(found = MatchAll(pattern, words));
  Report(state, 3, found);
}
BENCHMARK(BM_VariablesBoundEarlyTestedLate)->Unit(benchmark::kMillisecond);

// What the memo costs an ordinary pattern with two inner runs, against the plain recursion.
void BM_TwoRunsOrdinaryWords(benchmark::State& state) {
  const bool plain = state.range(0) != 0;
  const std::string pattern = Prepared("*E*N*");
  const auto words = RandomWords(100'000, 9, "ABDEEEGIKLNNORST", 5);
  int found = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(found = plain ? MatchAllPlain(pattern, words) : MatchAll(pattern, words));
  }
  state.SetLabel(plain ? "plain" : "memo");
  Report(state, 100'000, found);
}
BENCHMARK(BM_TwoRunsOrdinaryWords)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kwintel

int main(int argc, char** argv) {
  using namespace kwintel;
  // The headline figure, measured once in plain wall-clock time before the detailed runs.
  const std::string pattern = Prepared(kPathological);
  const auto words = RandomWords(1000, 90, "AB", 1);
  const auto start = std::chrono::steady_clock::now();
  const int found = MatchAll(pattern, words);
  const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
  std::printf("%s over 1000 words of 90 letters (A, B): %.1f ms, %d found (goal: under 1000 ms)\n", kPathological,
              elapsed.count(), found);
  std::fflush(stdout);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
