#include "results/common_ranking.h"

#include <algorithm>
#include <utility>

namespace kwintel {

void CommonRanking::Keep(std::string_view line, std::uint64_t count) {
  // Offer() refuses the lines that could not enter; the arrival number is the offer's own.
  const std::uint64_t arrival = offered_ - 1;
  if (heap_.size() < maximum_) {
    // Room grows with the lines kept: a maximum of 15000 for a search that finds ten lines
    // should not cost 15000 entries.
    // Below the maximum every line stays, so the order can wait: the lines are only made a heap
    // when the last free place is taken, and a search that finds fewer sorts them once at the end.
    texts_.emplace_back(line);
    heap_.push_back(Entry{count, arrival, texts_.size() - 1});
    if (heap_.size() == maximum_) std::make_heap(heap_.begin(), heap_.end(), RanksBefore{});
    return;
  }
  // Full: the newcomer ranks before the front (Offer checked that) and takes its place and its
  // string, whose room the text reuses.
  std::pop_heap(heap_.begin(), heap_.end(), RanksBefore{});
  Entry& dropped = heap_.back();
  dropped.count = count;
  dropped.arrival = arrival;
  texts_[dropped.text].assign(line);
  std::push_heap(heap_.begin(), heap_.end(), RanksBefore{});
}

std::vector<RankedLine> CommonRanking::TakeHighestFirst() {
  // Arrival numbers are unique, so the order is total and a sort's lack of stability does not
  // matter. Below the maximum the lines are still in arrival order (see Keep), and the words
  // without a count, often most of them, are in their final order already: only the others need
  // sorting.
  auto unsorted = heap_.end();
  if (heap_.size() < maximum_) {
    unsorted = std::stable_partition(heap_.begin(), heap_.end(), [](const Entry& entry) { return entry.count > 0; });
  }
  std::sort(heap_.begin(), unsorted, RanksBefore{});
  std::vector<RankedLine> ranked;
  ranked.reserve(heap_.size());
  for (const Entry& entry : heap_) ranked.push_back(RankedLine{std::move(texts_[entry.text]), entry.count});
  heap_.clear();
  texts_.clear();
  offered_ = 0;
  return ranked;
}

}  // namespace kwintel
