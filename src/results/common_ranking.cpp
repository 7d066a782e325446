#include "results/common_ranking.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace kwintel {

namespace {

// Room taken at the start for this many lines at most, of about kRoomBytesPerLine bytes each: a
// ranking that grew as lines came would copy them over and over, and each copy touches memory
// the system must first hand out page by page, which costs a search of every word more than the
// copying itself. Room that no line fills is never handed out, so a large maximum costs nothing.
constexpr std::size_t kRoomLines = std::size_t{1} << 20;
constexpr std::size_t kRoomBytesPerLine = 24;

}  // namespace

CommonRanking::CommonRanking(std::size_t maximum) : maximum_(maximum) {
  const std::size_t lines = std::min(maximum, kRoomLines);
  kept_.reserve(lines);
  texts_.reserve(lines * kRoomBytesPerLine);
}

std::size_t CommonRanking::AppendRecord(std::string_view line) {
  const std::size_t at = texts_.size();
  std::size_t length = line.size();
  for (; length >= 0x80; length >>= 7) texts_.push_back(static_cast<char>(0x80 | (length & 0x7F)));
  texts_.push_back(static_cast<char>(length));
  texts_.append(line);
  return at;
}

std::size_t CommonRanking::RecordSize(std::size_t at) const {
  const std::string_view text = TextAt(at);
  return static_cast<std::size_t>(text.data() + text.size() - (texts_.data() + at));
}

void CommonRanking::Keep(std::string_view line, std::uint64_t count) {
  // Offer() refuses the lines that could not enter; the arrival number is the offer's own.
  const std::uint64_t arrival = offered_ - 1;
  if (kept_.size() < maximum_) {
    // Below the maximum every line stays, so the order can wait: the lines are only made a heap
    // when the last free place is taken, and a search that finds fewer sorts them once at the end.
    const std::size_t text = AppendRecord(line);
    kept_.push_back(Entry{count, arrival, text});
    keptBytes_ = texts_.size();
    if (kept_.size() == maximum_) std::make_heap(kept_.begin(), kept_.end(), RanksBefore{});
    return;
  }
  // Full: the newcomer ranks before the front (Offer checked that) and takes its place; its record
  // goes after the others. Copying the kept records together whenever the dropped ones outweigh
  // them keeps the room at most about twice what the kept lines need, at a cost spread over the
  // drops that made it necessary.
  std::pop_heap(kept_.begin(), kept_.end(), RanksBefore{});
  keptBytes_ -= RecordSize(kept_.back().text);
  const std::size_t text = AppendRecord(line);
  keptBytes_ += texts_.size() - text;
  kept_.back() = Entry{count, arrival, text};
  std::push_heap(kept_.begin(), kept_.end(), RanksBefore{});
  if (texts_.size() > 2 * keptBytes_ + 4096) {
    std::string together;
    together.reserve(texts_.capacity());
    for (Entry& entry : kept_) {
      const std::size_t at = together.size();
      together.append(texts_, entry.text, RecordSize(entry.text));
      entry.text = at;
    }
    texts_.swap(together);
  }
}

CommonRanking::Order CommonRanking::PutInOrder(std::unique_ptr<Entry[]>& room) {
  if (kept_.size() == maximum_) {
    // A heap: arrival numbers are unique, so the order is total and a sort's lack of stability
    // does not matter.
    std::sort(kept_.begin(), kept_.end(), RanksBefore{});
    return Order{kept_, {}};
  }
  // Below the maximum the lines are still in arrival order (see Keep). Those whose words have no
  // count, most of them in a search of many words, rank last in that order and need no sorting:
  // they move up to the front of kept_, and the others go to `room`. A stable sort by count alone
  // then puts those in the ranking's order: an LSD radix sort, one byte of the counts a pass from
  // the lowest, as many passes as the highest count has bytes (three for opentaal.FRQ), from
  // `room` to the rest of kept_ and back. Each pass is stable, so the order of the earlier
  // passes, and of arrival, holds among equal bytes. Ranking all 81,000 lines of «*EN» (offers
  // and take) so takes 1.35 ms, and 1.6 when the uncounted lines were sorted with the others; a
  // sort by comparison of the counted ones took 40% longer than a radix sort of them all.
  std::uint64_t highest = 0;
  std::size_t counted = 0;
  for (const Entry& entry : kept_) {
    highest = std::max(highest, entry.count);
    counted += entry.count != 0 ? 1 : 0;
  }
  if (counted == 0) return Order{{}, kept_};
  // Left unset: every place is written before it is read.
  room = std::make_unique_for_overwrite<Entry[]>(counted);
  std::size_t uncounted = 0;
  Entry* from = room.get();
  for (std::size_t i = 0, k = 0; i < kept_.size(); ++i) {
    // In place: an uncounted entry moves to a place already read.
    if (kept_[i].count == 0) {
      kept_[uncounted++] = kept_[i];
    } else {
      from[k++] = kept_[i];
    }
  }
  Entry* to = kept_.data() + uncounted;
  for (int shift = 0; shift < 64 && (highest >> shift) != 0; shift += 8) {
    // Buckets in falling order of the byte: bucket 0 takes byte 255.
    std::array<std::size_t, 257> starts{};
    const auto bucket = [shift](const Entry& entry) { return 255 - ((entry.count >> shift) & 0xFF); };
    for (std::size_t i = 0; i < counted; ++i) ++starts[bucket(from[i]) + 1];
    for (std::size_t i = 1; i < starts.size(); ++i) starts[i] += starts[i - 1];
    for (std::size_t i = 0; i < counted; ++i) to[starts[bucket(from[i])]++] = from[i];
    std::swap(from, to);
  }
  return Order{std::span<const Entry>(from, counted), std::span<const Entry>(kept_.data(), uncounted)};
}

}  // namespace kwintel
