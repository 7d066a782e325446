#include "cli/headless_result_list.h"

#include <algorithm>

namespace kwintel::cli {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

}  // namespace

void HeadlessResultList::Append(std::string_view line) {
  // Find a block with room; appending within a block's capacity never moves its bytes, so the
  // views handed out stay valid.
  while (current_ < blocks_.size() &&
         blocks_[current_].capacity() - blocks_[current_].size() < line.size()) {
    ++current_;
  }
  if (current_ == blocks_.size()) {
    blocks_.emplace_back();
    blocks_.back().reserve(std::max(kBlockSize, line.size()));
  }
  std::string& block = blocks_[current_];
  lines_.push_back({static_cast<std::uint32_t>(current_), static_cast<std::uint32_t>(line.size()),
                    block.size()});
  block.append(line);
}

void HeadlessResultList::Clear() {
  for (std::string& block : blocks_) block.clear();
  current_ = 0;
  lines_.clear();
}

void HeadlessResultList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  lines_.erase(lines_.begin() + index);  // its bytes stay unused until the next Clear
}

std::string_view HeadlessResultList::View(int index) const {
  if (index < 0 || index >= Count()) return {};
  const Line& line = lines_[static_cast<std::size_t>(index)];
  return std::string_view(blocks_[line.block]).substr(line.offset, line.length);
}

}  // namespace kwintel::cli
