#include "results/common_ranking.h"

#include <algorithm>

namespace kwintel {

void CommonRanking::Keep(std::string_view line, std::uint64_t count) {
  // Offer() refuses the lines that could not enter; the arrival number is the offer's own.
  const std::uint64_t arrival = offered_ - 1;
  if (kept_.size() < maximum_) {
    // Below the maximum every line stays, so the order can wait: the lines are only made a heap
    // when the last free place is taken, and a search that finds fewer sorts them once at the end.
    kept_.push_back(Entry{count, arrival, texts_.size(), line.size()});
    texts_.append(line);
    keptBytes_ += line.size();
    if (kept_.size() == maximum_) std::make_heap(kept_.begin(), kept_.end(), RanksBefore{});
    return;
  }
  // Full: the newcomer ranks before the front (Offer checked that) and takes its place; its text
  // goes after the others. Copying the kept texts together whenever the dropped ones outweigh
  // them keeps the room at most about twice what the kept lines need, at a cost spread over the
  // drops that made it necessary.
  std::pop_heap(kept_.begin(), kept_.end(), RanksBefore{});
  keptBytes_ = keptBytes_ - kept_.back().length + line.size();
  kept_.back() = Entry{count, arrival, texts_.size(), line.size()};
  texts_.append(line);
  std::push_heap(kept_.begin(), kept_.end(), RanksBefore{});
  if (texts_.size() > 2 * keptBytes_ + 4096) {
    std::string together;
    together.reserve(keptBytes_);
    for (Entry& entry : kept_) {
      together.append(texts_, entry.text, entry.length);
      entry.text = together.size() - entry.length;
    }
    texts_.swap(together);
  }
}

void CommonRanking::PutInOrder() {
  // Arrival numbers are unique, so the order is total and a sort's lack of stability does not
  // matter. Below the maximum the lines are still in arrival order (see Keep), and the words
  // without a count, often most of them, are in their final order already: only the others need
  // sorting.
  auto unsorted = kept_.end();
  if (kept_.size() < maximum_) {
    unsorted = std::stable_partition(kept_.begin(), kept_.end(), [](const Entry& entry) { return entry.count > 0; });
  }
  std::sort(kept_.begin(), unsorted, RanksBefore{});
}

}  // namespace kwintel
