#include "results/line_store.h"

#include <algorithm>
#include <new>

namespace kwintel {
namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

}  // namespace

LineStore& LineStore::operator=(const LineStore& other) {
  if (this == &other) return *this;
  clear();
  reserve(other.size());
  for (const std::string_view line : other) push_back(line);
  return *this;
}

LineStore& LineStore::operator=(std::initializer_list<std::string_view> lines) {
  clear();
  for (const std::string_view line : lines) push_back(line);
  return *this;
}

void LineStore::PushBackInNewBlock(std::string_view line) {
  if (line.size() > kMaxLineBytes) throw std::bad_alloc();
  // The next kept block with room, else a new one.
  while (current_ < blocks_.size() &&
         blocks_[current_].capacity - blocks_[current_].size < line.size()) {
    ++current_;
  }
  if (current_ == blocks_.size()) {
    Block block;
    block.capacity = std::max(kBlockBytes, line.size());
    block.bytes = std::make_unique_for_overwrite<char[]>(block.capacity);
    blocks_.push_back(std::move(block));
  }
  push_back(line);
}

void LineStore::clear() {
  for (Block& block : blocks_) block.size = 0;
  current_ = 0;
  lines_.clear();
}

void LineStore::erase(std::size_t index) {
  if (index < lines_.size()) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::vector<std::string> LineStore::Strings() const {
  std::vector<std::string> strings;
  strings.reserve(lines_.size());
  for (const std::string_view line : *this) strings.emplace_back(line);
  return strings;
}

}  // namespace kwintel
