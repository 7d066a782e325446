#include "results/common_ranking.h"

#include <algorithm>
#include <utility>

namespace kwintel {

void CommonRanking::Keep(std::string_view line, std::uint64_t count) {
  // Offer() refuses the lines that could not enter; the arrival number is the offer's own.
  const std::size_t arrival = offered_ - 1;
  if (kept_.size() < maximum_) {
    // Room is reserved step by step: a maximum of 15000 for a search that finds ten lines
    // should not cost 15000 entries.
    kept_.push_back(Entry{count, arrival, std::string(line)});
    std::push_heap(kept_.begin(), kept_.end(), RanksBefore);
    return;
  }
  // Full: the newcomer ranks before the front (Offer checked that), which it replaces. Its text
  // is assigned into the dropped entry's string, reusing that string's room.
  std::pop_heap(kept_.begin(), kept_.end(), RanksBefore);
  Entry& last = kept_.back();
  last.count = count;
  last.arrival = arrival;
  last.text.assign(line);
  std::push_heap(kept_.begin(), kept_.end(), RanksBefore);
}

std::vector<RankedLine> CommonRanking::TakeHighestFirst() {
  std::sort_heap(kept_.begin(), kept_.end(), RanksBefore);
  std::vector<RankedLine> ranked;
  ranked.reserve(kept_.size());
  for (Entry& entry : kept_) ranked.push_back(RankedLine{std::move(entry.text), entry.count});
  kept_.clear();
  offered_ = 0;
  return ranked;
}

}  // namespace kwintel
