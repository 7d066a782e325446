#include "engine/word_scan.h"

#include "engine/engine_types.h"

namespace kwintel {
namespace {

// Lines counted between two pumps: the pump comes with line 10,001 and every 10,001 lines after.
constexpr int kLinesBetweenPumps = 10000;

// Hands every line of `file` to `take`, pumping the sink as the scan does, until the file ends or
// a stop is requested.
template <typename Take>
void ForEachLine(WordFile& file, ScanSink& sink, Take take) {
  int counter = 0;
  const char* word = nullptr;
  std::size_t length = 0;
  while (!searchRunState.stopRequested && file.NextLine(word, length)) {
    if (counter == kLinesBetweenPumps) {
      counter = 0;
      sink.Pump(file);
    } else {
      ++counter;
    }
    take(word, length);
  }
}

}  // namespace

void ScanWords(const CompiledPattern& pattern, WordFile& file, ScanSink& sink) {
  ForEachLine(file, sink, [&](const char* word, std::size_t length) {
    MatchCompiled(pattern, word, length);
    if (matchState.matched) sink.Found(std::string_view(word, length));
  });
}

void ReadWords(WordFile& file, ScanSink& sink) {
  ForEachLine(file, sink, [&](const char* word, std::size_t length) { sink.Found(std::string_view(word, length)); });
}

}  // namespace kwintel
