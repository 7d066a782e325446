#include "results/common_ranking.h"

namespace kwintel {

void CommonRanking::Offer(std::string_view line, std::uint64_t count, std::uint64_t score) {
  const std::uint64_t arrival = offered_++;
  if (maximum_ == 0) return;
  if (kept_.size() == maximum_) {
    const Entry& worst = kept_.front();
    if (score < worst.score || (score == worst.score && count <= worst.count)) return;
    std::pop_heap(kept_.begin(), kept_.end(), RanksBefore{});
    Entry& entry = kept_.back();
    entry.score = score;
    entry.count = count;
    entry.arrival = arrival;
    lines_[entry.line].assign(line);  // in the dropped line's place
  } else {
    kept_.push_back(Entry{score, count, arrival, lines_.size()});
    lines_.emplace_back(line);
  }
  std::push_heap(kept_.begin(), kept_.end(), RanksBefore{});
}

}  // namespace kwintel
