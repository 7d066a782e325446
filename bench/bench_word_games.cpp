// Speed of the word-game types "Wordfeud", "Scrabble" and "Lingo" over the OpenTaal word files,
// next to a plain sequence match of «*EN», in process on one core. Goal: a rack-and-board search
// takes at most 1.5 times as long as the «*EN» one, two blanks included.
//   words/<type>/<pattern>   every word of every length, read once before the timing, tested
//                            each iteration: the matching alone
//   search/<type>/<pattern>  each iteration reads the word files from minLength to maxLength again
//                            with the engine's reader, as a search does («*EN»: all of them)
//
// Word files: KWINTEL_WORD_PREFIX, else KWINTEL_BIN_DIR/opentaal (see bench_word_set.h).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "bench_word_set.h"
#include "engine/lingo.h"
#include "engine/sequence_automaton.h"
#include "engine/tile_game.h"
#include "engine/word_file.h"

namespace {

using namespace kwintel;

// Every word of the set with its terminator, shortest first, as a search reads them.
const std::vector<std::string>& AllWords() {
  static const std::vector<std::string> words = [] {
    std::vector<std::string> all;
    WordFile file;
    for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
      if (!file.Open(WordFileName(bench::WordPrefix(), length))) continue;
      const char* word = nullptr;
      std::size_t size = 0;
      while (file.NextLine(word, size)) all.emplace_back(word, size);
    }
    return all;
  }();
  return words;
}

// Calls visit(word, terminated) for every line of the files from minLength to maxLength.
template <typename Visit>
void ScanFiles(WordFile& file, int minLength, int maxLength, Visit visit) {
  for (int length = minLength; length <= maxLength; ++length) {
    if (!file.Open(WordFileName(bench::WordPrefix(), length))) continue;
    const char* word = nullptr;
    std::size_t size = 0;
    while (file.NextLine(word, size)) visit(std::string_view(word, size), word);
    file.Close();
  }
}

// `match(word, terminated)`: a search type's test of one word (`terminated`: the same word with
// its NUL, for the sequence matcher). Inlined into the loops, as a search's dispatch would be.
template <typename Match>
void Words(benchmark::State& state, const Match& match) {
  const std::vector<std::string>& words = AllWords();
  std::size_t found = 0;
  for (auto _ : state) {
    found = 0;
    for (const std::string& word : words) found += match(std::string_view(word), word.c_str());
    benchmark::DoNotOptimize(found);
  }
  state.SetLabel(std::to_string(found) + " of " + std::to_string(words.size()) + " words");
}

template <typename Match>
void Search(benchmark::State& state, const Match& match, int minLength, int maxLength) {
  WordFile file;
  std::size_t found = 0;
  for (auto _ : state) {
    found = 0;
    ScanFiles(file, minLength, maxLength,
              [&](std::string_view word, const char* terminated) { found += match(word, terminated); });
    benchmark::DoNotOptimize(found);
  }
  state.SetLabel(std::to_string(found) + " words, lengths " + std::to_string(minLength) + ".." +
                 std::to_string(maxLength));
}

template <typename Match>
void Register(const std::string& name, const Match& match, int minLength, int maxLength) {
  benchmark::RegisterBenchmark(("words/" + name).c_str(), [=](benchmark::State& state) {
    Words(state, match);
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("search/" + name).c_str(), [=](benchmark::State& state) {
    Search(state, match, minLength, maxLength);
  })->Unit(benchmark::kMillisecond);
}

void RegisterTiles(const char* name, TileGame game, const char* text) {
  const auto pattern = PrepareTilePattern(game, text);
  Register(
      std::string(name) + "/" + text,
      [pattern = *pattern](std::string_view word, const char*) { return pattern.Match(word).matched; },
      pattern->minLength(), pattern->maxLength());
}

void RegisterLingo(const char* text) {
  const auto prepared = PrepareLingo(text);
  const auto& pattern = std::get<LingoPattern>(prepared);
  Register(
      std::string("lingo/") + text, [pattern](std::string_view word, const char*) { return pattern.Match(word); },
      pattern.minLength(), pattern.maxLength());
}

}  // namespace

int main(int argc, char** argv) {
  if (AllWords().empty()) {
    std::fprintf(stderr, "no word files at %s\n", bench::WordPrefix().c_str());
    return 1;
  }
  const auto sequence = *SequenceAutomaton::Compile("*EN");
  Register(
      "volgorde/*EN", [sequence](std::string_view, const char* word) { return sequence.Match(word) != 0; },
      kMinWordLength, kMaxWordLength);
  RegisterTiles("wordfeud", TileGame::Wordfeud, "AEKRST?");
  RegisterTiles("wordfeud", TileGame::Wordfeud, "AEKRS??");
  RegisterTiles("wordfeud", TileGame::Wordfeud, "AEKRST? ..A..");
  RegisterTiles("wordfeud", TileGame::Wordfeud, "AEKRS?? *K*");
  RegisterTiles("wordfeud", TileGame::Wordfeud, "AEKRS?? *E*N*");
  RegisterTiles("scrabble", TileGame::Scrabble, "AEKRST?");
  RegisterTiles("scrabble", TileGame::Scrabble, "ENOTS?? *");
  RegisterLingo("KAART/G..O. KOERS/G..O.");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
