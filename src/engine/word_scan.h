#pragma once
// The scan of one open word file with a compiled pattern. It knows nothing of lists or dialogs:
// what it finds, and the moments to show progress and let the front end breathe, go to a sink.

#include <cstdint>
#include <string_view>

#include "engine/compiled_pattern.h"
#include "engine/word_file.h"

namespace kwintel {

class ScanSink {
 public:
  virtual ~ScanSink() = default;
  // A word the pattern accepted, as the file holds it; matchState holds its verdict (remainder,
  // missing letter). The view dies with the next line.
  virtual void Found(std::string_view word) = 0;
  // Before line 10,001 and every further 10,001 lines: `file` has been read to its Position().
  virtual void Pump(const WordFile& file) = 0;
};

// Matches every line of `file`, from where it stands, against `pattern` and hands the accepted
// words to `sink`, until the file ends or searchRunState.stopRequested is set (tested before each
// line, so the sink may set it). Allocates nothing.
void ScanWords(const CompiledPattern& pattern, WordFile& file, ScanSink& sink);

}  // namespace kwintel
