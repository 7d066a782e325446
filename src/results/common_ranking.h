#pragma once
// The lines of the most common words of a search: of all lines offered, one at a time with their
// words' counts, the `maximum` with the highest counts, equal counts in the order they were offered.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kwintel {

class CommonRanking {
 public:
  // Takes room for the lines at once (see the constructor's definition).
  explicit CommonRanking(std::size_t maximum);

  // Inline for the usual case once the ranking is full: a line no better than the worst kept one
  // (a lower count, or an equal count, which arrived earlier and so ranks first) is refused at
  // the cost of one comparison, without touching its text.
  void Offer(std::string_view line, std::uint64_t count) {
    ++offered_;
    if (kept_.size() == maximum_ && (maximum_ == 0 || count <= kept_.front().count)) return;
    Keep(line, count);
  }

  // Lines offered so far, kept or not: the search's total when it is no more than the maximum.
  std::size_t Offered() const { return offered_; }
  std::size_t Maximum() const { return maximum_; }

  // Calls visit(text, count) for the kept lines, highest count first, equal counts in the order
  // offered; `text` lives until visit returns. O(k log k) for the k lines kept. Leaves the
  // ranking empty, with its maximum, as if nothing had been offered.
  template <typename Visit>
  void TakeHighestFirst(Visit&& visit) {
    std::unique_ptr<Entry[]> room;
    for (const Entry& entry : PutInOrder(room)) visit(RecordText(texts_, entry.text), entry.count);
    ForEachUncounted([&](std::string_view text) { visit(text, std::uint64_t{0}); });
    kept_.clear();
    texts_.clear();
    uncounted_.clear();
    uncountedLines_ = 0;
    keptBytes_ = 0;
    offered_ = 0;
  }

 private:
  // A kept line: small, so that sifting the heap moves 24 bytes, never a string. Its record in
  // texts_ starts at `text`.
  struct Entry {
    std::uint64_t count;
    std::uint64_t arrival;  // offer number: breaks ties, the earlier line ranking first
    std::size_t text;
  };
  // A line's record: its length in base 128, low digit first, each byte but the last with its
  // high bit set (one byte for a line under 128 bytes), then the line itself. The length lives
  // there, not in an Entry, because every entry is copied once more to be put in order.
  // RecordText gives the line whose record starts at records[at].
  static std::string_view RecordText(std::string_view records, std::size_t at) {
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
      const auto digit = static_cast<unsigned char>(records[at++]);
      length |= std::size_t{digit & 0x7Fu} << shift;
      if (digit < 0x80) break;
    }
    return records.substr(at, length);
  }
  // Where the record that starts at records[at] ends: the start of the next one.
  static std::size_t RecordEnd(std::string_view records, std::size_t at) {
    const std::string_view text = RecordText(records, at);
    return static_cast<std::size_t>(text.data() + text.size() - records.data());
  }
  // Calls take(text) for each line of uncounted_, in arrival order.
  template <typename Take>
  void ForEachUncounted(Take&& take) const {
    for (std::size_t at = 0; at < uncounted_.size(); at = RecordEnd(uncounted_, at)) take(RecordText(uncounted_, at));
  }
  // Appends the line's record to `records` and returns where it starts.
  static std::size_t AppendRecord(std::string& records, std::string_view line);

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
  // Makes the full ranking a heap, the uncounted lines entries of it.
  void BecomeHeap();
  // The entries in the ranking's order, in kept_ or in `room`, which it may allocate for the
  // purpose.
  std::span<const Entry> PutInOrder(std::unique_ptr<Entry[]>& room);

  std::size_t maximum_;
  std::size_t offered_ = 0;
  // The lines with a count, and once full all lines, a binary heap under RanksBefore then.
  std::vector<Entry> kept_;
  // The records of the entries' lines one after the other, and of lines dropped since they came;
  // when the dropped ones are most of it, the kept ones are copied together again.
  std::string texts_;
  std::size_t keptBytes_ = 0;  // of the entries' records
  // Until the ranking is full, the records of the lines without a count, in arrival order: they
  // rank after every counted line and in that order among themselves, so they need no entry.
  // Most lines of a search of many words are such lines.
  std::string uncounted_;
  std::size_t uncountedLines_ = 0;
};

}  // namespace kwintel
