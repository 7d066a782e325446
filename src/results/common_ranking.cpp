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
    texts_.emplace_back(line);
    heap_.push_back(Entry{count, arrival, texts_.size() - 1});
    std::push_heap(heap_.begin(), heap_.end(), RanksBefore);
    return;
  }
  // Full: the newcomer ranks before the front (Offer checked that) and takes its place and its
  // string, whose room the text reuses.
  std::pop_heap(heap_.begin(), heap_.end(), RanksBefore);
  Entry& dropped = heap_.back();
  dropped.count = count;
  dropped.arrival = arrival;
  texts_[dropped.text].assign(line);
  std::push_heap(heap_.begin(), heap_.end(), RanksBefore);
}

std::vector<RankedLine> CommonRanking::TakeHighestFirst() {
  std::sort_heap(heap_.begin(), heap_.end(), RanksBefore);
  std::vector<RankedLine> ranked;
  ranked.reserve(heap_.size());
  for (const Entry& entry : heap_) ranked.push_back(RankedLine{std::move(texts_[entry.text]), entry.count});
  heap_.clear();
  texts_.clear();
  offered_ = 0;
  return ranked;
}

}  // namespace kwintel
