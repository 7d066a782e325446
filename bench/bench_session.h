// A session in memory for the benchmarks that run whole commands: all lengths, "IJ één letter"
// off, no maximum, on the set of bench_word_set.h.
#pragma once

#include <benchmark/benchmark.h>

#include <climits>
#include <memory>
#include <string>

#include "bench_word_set.h"
#include "engine/word_file_set.h"
#include "shell/run_search.h"
#include "shell/session.h"
#include "support/memory_platform.h"
#include "support/memory_result_list.h"
#include "support/memory_view.h"

namespace kwintel::bench {

struct BenchSession {
  BenchSession() {
    session.ijOneLetter = 0;
    form.maxResults = INT_MAX;
  }
  // The set of bench_word_set.h as the session's; false when it has no five-letter file.
  bool UseWordSet() {
    session.wordFiles = std::make_shared<WordFileSet>(WordPrefix());
    return WordFile::RegularFileSize(session.wordFiles->PathOf(5)) >= 0;
  }

  // "&Ga zoeken" with the form once per iteration; the number of lines and the summary line as
  // the figures' label, or the message a search showed as an error.
  void TimeSearches(benchmark::State& state) {
    for (auto _ : state) {
      RunSearch(session, form);
      benchmark::DoNotOptimize(results.Count());
    }
    if (!view.messages.empty()) {
      state.SkipWithError(("message: " + view.messages.front().text).c_str());
      return;
    }
    state.counters["lines"] = results.Count() - 1;
    state.SetLabel(results.Text(results.Count() - 1));
  }

  MemoryView view;
  MemoryResultList results;
  MemoryPlatform platform;
  Session session{view, results, platform};
  Form form;
};

}  // namespace kwintel::bench
