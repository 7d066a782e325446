#pragma once
// The lines of the most common words of a search: of all lines offered, one at a time with their
// words' counts, the `maximum` with the highest counts, equal counts in the order they were offered.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kwintel {

struct RankedLine {
  std::string text;
  std::uint64_t count = 0;
};

class CommonRanking {
 public:
  explicit CommonRanking(std::size_t maximum) : maximum_(maximum) {}

  // Inline for the usual case once the ranking is full: a line no better than the worst kept one
  // (a lower count, or an equal count, which arrived earlier and so ranks first) is refused at
  // the cost of one comparison, without touching its text.
  void Offer(std::string_view line, std::uint64_t count) {
    ++offered_;
    if (heap_.size() == maximum_ && (maximum_ == 0 || count <= heap_.front().count)) return;
    Keep(line, count);
  }

  // Lines offered so far, kept or not: the search's total when it is no more than the maximum.
  std::size_t Offered() const { return offered_; }
  std::size_t Maximum() const { return maximum_; }

  // The kept lines, highest count first, equal counts in the order offered. O(k log k) for the
  // k lines kept. Leaves the ranking empty, with its maximum, as if nothing had been offered.
  std::vector<RankedLine> TakeHighestFirst();

 private:
  // A kept line as the heap holds it: small, so that sifting moves 24 bytes, never a string.
  struct Entry {
    std::uint64_t count;
    std::uint64_t arrival;  // offer number: breaks ties, the earlier line ranking first
    std::size_t text;       // its text: texts_[text]
  };
  // The order of the heap: `a` ranks before `b`. With it as "less", the heap's front is the line
  // that ranks last, the one a better newcomer replaces. A type of its own, not a function, so
  // that the heap and sort calls inline it.
  struct RanksBefore {
    bool operator()(const Entry& a, const Entry& b) const {
      return a.count != b.count ? a.count > b.count : a.arrival < b.arrival;
    }
  };
  // Adds the line, first dropping the line that ranks last when the ranking is full. O(log k).
  void Keep(std::string_view line, std::uint64_t count);

  std::size_t maximum_;
  std::size_t offered_ = 0;
  std::vector<Entry> heap_;         // once full, a binary heap under RanksBefore
  std::vector<std::string> texts_;  // one per kept line; a dropped line's string takes the next
};

}  // namespace kwintel
