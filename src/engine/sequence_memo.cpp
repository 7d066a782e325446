#include "engine/sequence_memo.h"

namespace kwintel {

namespace {

constexpr std::size_t kInitialEntries = std::size_t{1} << 12;
// 2^21 entries of 20 bytes: 40 MiB at most, far beyond what a word of a word file needs.
constexpr std::size_t kMaxEntries = std::size_t{1} << 21;

}  // namespace

void SequenceMemo::Arm() {
  armed_ = true;
  count_ = 0;
  if (++generation_ == 0) {
    // After 2^32 words the stamps would repeat: forget them all once.
    for (Entry& entry : entries_) entry.generation = 0;
    generation_ = 1;
  }
  if (entries_.empty()) entries_.resize(kInitialEntries);
}

std::size_t SequenceMemo::SlotOf(const Key& key) const {
  std::uint64_t h = (static_cast<std::uint64_t>(key.wordOffset) << 32) ^ key.patternOffset;
  h ^= static_cast<std::uint64_t>(key.variables) * 0x9E3779B97F4A7C15ull;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 31;
  return static_cast<std::size_t>(h) & (entries_.size() - 1);
}

bool SequenceMemo::Remembered(const Key& key, std::uint32_t& endVariables) {
  if (!armed_) Arm();
  const std::size_t mask = entries_.size() - 1;
  for (std::size_t slot = SlotOf(key);; slot = (slot + 1) & mask) {
    const Entry& entry = entries_[slot];
    if (entry.generation != generation_) return false;
    if (entry.key.wordOffset == key.wordOffset && entry.key.patternOffset == key.patternOffset &&
        entry.key.variables == key.variables) {
      endVariables = entry.endVariables;
      return true;
    }
  }
}

void SequenceMemo::Remember(const Key& key, std::uint32_t endVariables) {
  if (!armed_) Arm();
  if ((count_ + 1) * 2 > entries_.size()) {
    if (entries_.size() >= kMaxEntries) return;
    Grow();
  }
  const std::size_t mask = entries_.size() - 1;
  std::size_t slot = SlotOf(key);
  while (entries_[slot].generation == generation_) slot = (slot + 1) & mask;
  entries_[slot] = Entry{generation_, key, endVariables};
  ++count_;
}

void SequenceMemo::Grow() {
  std::vector<Entry> old(entries_.size() * 2);
  old.swap(entries_);
  const std::size_t mask = entries_.size() - 1;
  for (const Entry& entry : old) {
    if (entry.generation != generation_) continue;
    std::size_t slot = SlotOf(entry.key);
    while (entries_[slot].generation == generation_) slot = (slot + 1) & mask;
    entries_[slot] = entry;
  }
}

}  // namespace kwintel
