#include <algorithm>
#include <cstring>
#include <utility>

#include "results/sort_results.h"

namespace kwintel {
namespace {

// Unsigned byte order; a text that is a prefix of another sorts first. No locale, no case folding.
int CompareBytes(const std::string& a, const std::string& b) {
  const size_t common = std::min(a.size(), b.size());
  if (common != 0) {
    const int order = std::memcmp(a.data(), b.data(), common);
    if (order != 0) return order;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// Middle-pivot quicksort, partitioning by exchange from both ends. `before(a, b)` is true when a
// belongs in front of b. The two parts after a partition are disjoint, so sorting the smaller one
// by recursion and the larger one in the loop gives the same order as recursing into both, with a
// stack depth of at most log2(n) whatever the input.
template <typename Before>
void QuickSort(std::vector<std::string>& lines, int first, int last, Before before) {
  while (first < last) {
    const std::string pivot = lines[static_cast<size_t>(first + (last - first) / 2)];
    int i = first;
    int j = last;
    do {
      while (before(lines[static_cast<size_t>(i)], pivot)) ++i;
      while (before(pivot, lines[static_cast<size_t>(j)])) --j;
      if (i <= j) {
        std::swap(lines[static_cast<size_t>(i)], lines[static_cast<size_t>(j)]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (j - first < last - i) {
      if (first < j) QuickSort(lines, first, j, before);
      first = i;
    } else {
      if (i < last) QuickSort(lines, i, last, before);
      last = j;
    }
  }
}

// A range reaching outside the array is cut to the array.
template <typename Before>
void SortRange(std::vector<std::string>& lines, int first, int last, Before before) {
  first = std::max(first, 0);
  last = std::min(last, static_cast<int>(lines.size()) - 1);
  QuickSort(lines, first, last, before);
}

}  // namespace

void SortAscending(std::vector<std::string>& lines, int first, int last) {
  SortRange(lines, first, last, [](const std::string& a, const std::string& b) { return CompareBytes(a, b) < 0; });
}

void SortDescending(std::vector<std::string>& lines, int first, int last) {
  SortRange(lines, first, last, [](const std::string& a, const std::string& b) { return CompareBytes(a, b) > 0; });
}

void SortResultLines(ResultList& list, int& sortMode) {
  // Nested in a running search the last line is a result line, not yet the summary line; it is
  // kept last all the same, and the search goes on appending after the rebuilt list.
  const int n = list.Count() - 1;
  if (n <= 1) return;
  const int mode = ((sortMode % 4) + 4) % 4;
  const bool byEnding = mode >= 2;

  // Everything that can run out of memory happens before the list is touched: better unsorted
  // than half gone.
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    lines.push_back(list.Text(i));
    if (byEnding) std::reverse(lines.back().begin(), lines.back().end());
  }
  std::string summary = list.Text(n);
  if (mode % 2 == 0) {
    SortAscending(lines, 0, n - 1);
  } else {
    SortDescending(lines, 0, n - 1);
  }

  list.Clear();
  for (std::string& line : lines) {
    if (byEnding) std::reverse(line.begin(), line.end());
    list.Append(line);
  }
  list.Append(summary);
  sortMode = (mode + 1) % 4;
}

}  // namespace kwintel
