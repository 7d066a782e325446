#pragma once
// The lines of the most common words of a search: of all lines offered, one at a time with their
// words' counts, the `maximum` with the highest counts, equal counts in the order they were offered.
// Lines that carry a score (the word games) rank by it first, by their counts among equal scores.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kwintel {

class CommonRanking {
 public:
  explicit CommonRanking(std::size_t maximum) : maximum_(maximum) {}

  // O(log k) for the k lines kept; a line no better than the worst kept one (a lower score or
  // count, or equal ones, which arrived earlier and so rank first) is refused at the cost of a
  // comparison.
  void Offer(std::string_view line, std::uint64_t count, std::uint64_t score = 0);

  // Lines offered so far, kept or not: the search's total when it is no more than the maximum.
  std::size_t Offered() const { return offered_; }
  std::size_t Maximum() const { return maximum_; }

  // Calls visit(text, count) for the kept lines, highest count first, equal counts in the order
  // offered. O(k log k). Leaves the ranking empty, with its maximum, as if nothing had been offered.
  template <typename Visit>
  void TakeHighestFirst(Visit&& visit) {
    std::sort(kept_.begin(), kept_.end(), RanksBefore{});
    for (const Entry& entry : kept_) visit(std::string_view(lines_[entry.line]), entry.count);
    kept_.clear();
    lines_.clear();
    offered_ = 0;
  }

 private:
  // A kept line's place in the order. Its text stays in lines_, so that sifting the heap moves 32
  // bytes, not a string: with the texts in the entries, Gangbaar «*EN» at a maximum of 15000 took
  // 8 ms more, 50 ms in all against a plain «*EN» of 15 (the goal: at most twice that).
  struct Entry {
    std::uint64_t score;
    std::uint64_t count;
    std::uint64_t arrival;  // offer number: breaks ties, the earlier line ranking first
    std::size_t line;       // in lines_
  };
  // `a` ranks before `b`. As the heap's "less", it keeps the line that ranks last at the front,
  // the one a better newcomer replaces. No two entries tie, so the order is total.
  struct RanksBefore {
    bool operator()(const Entry& a, const Entry& b) const {
      if (a.score != b.score) return a.score > b.score;
      return a.count != b.count ? a.count > b.count : a.arrival < b.arrival;
    }
  };

  std::size_t maximum_;
  std::size_t offered_ = 0;
  std::vector<Entry> kept_;  // a binary heap under RanksBefore
  std::vector<std::string> lines_;
};

}  // namespace kwintel
