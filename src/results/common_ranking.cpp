#include "results/common_ranking.h"

namespace kwintel {

void CommonRanking::Offer(std::string_view line, std::uint64_t count) {
  const std::uint64_t arrival = offered_++;
  if (kept_.size() == maximum_) {
    if (maximum_ == 0 || count <= kept_.front().count) return;
    std::pop_heap(kept_.begin(), kept_.end(), RanksBefore{});
    kept_.back().count = count;
    kept_.back().arrival = arrival;
    kept_.back().line.assign(line);
  } else {
    kept_.push_back(Entry{count, arrival, std::string(line)});
  }
  std::push_heap(kept_.begin(), kept_.end(), RanksBefore{});
}

}  // namespace kwintel
