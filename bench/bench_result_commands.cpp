// Figures for the result list's commands on a full list of 15,000 lines: "Sorteer" in the
// ascending and by-ending orders (goal: under 20 ms), and the print layout on a printer that only
// counts (goal: under 50 ms).

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "results/print_layout.h"
#include "results/sort_results.h"
#include "support/memory_result_list.h"

namespace kwintel {
namespace {

constexpr int kLines = 15000;

// Words of 2 to 19 capitals with a length prefix, about as a "Met lengte" search shows them.
std::vector<std::string> MakeLines() {
  std::mt19937 random(42);
  std::vector<std::string> lines;
  for (int i = 0; i < kLines; ++i) {
    const int length = 2 + static_cast<int>(random() % 18);
    std::string line = (length < 10 ? " " : "") + std::to_string(length) + ". ";
    for (int k = 0; k < length; ++k) line += static_cast<char>('A' + random() % 26);
    lines.push_back(line);
  }
  return lines;
}

void Fill(MemoryResultList& list, const std::vector<std::string>& lines) {
  list.Clear();
  for (const std::string& line : lines) list.Append(line);
  list.Append("Totaal: 15000");
}

void BM_SortResults(benchmark::State& state) {
  const std::vector<std::string> lines = MakeLines();
  MemoryResultList list;
  for (auto _ : state) {
    state.PauseTiming();
    Fill(list, lines);
    int sortMode = static_cast<int>(state.range(0));
    state.ResumeTiming();
    SortResultLines(list, sortMode);
  }
  state.SetLabel(state.range(0) == 0 ? "ascending" : "by ending");
}
BENCHMARK(BM_SortResults)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

// A 300-dpi A4 page whose font is 25 units a character and 50 high; it draws nothing.
class CountingSurface : public PrintSurface {
 public:
  int PrintableWidth() const override { return 2400; }
  int PrintableHeight() const override { return 3400; }
  void StartJob(std::string_view) override {}
  void EndJob() override {}
  void StartPage() override { ++pages; }
  void EndPage() override {}
  TextExtent MeasureText(std::string_view text) override { return {static_cast<int>(text.size()) * 25, 50}; }
  void DrawText(int, int, std::string_view text) override { drawn += text.size(); }
  int pages = 0;
  size_t drawn = 0;
};

void BM_PrintLayout(benchmark::State& state) {
  MemoryResultList list;
  Fill(list, MakeLines());
  int pages = 0;
  for (auto _ : state) {
    CountingSurface surface;
    PrintResultLines(surface, list, "/usr/share/kwintel/opentaal", [] { return std::tm{}; });
    benchmark::DoNotOptimize(surface.drawn);
    pages = surface.pages;
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintLayout)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kwintel

BENCHMARK_MAIN();
