#include "results/line_store.h"

#include <algorithm>
#include <limits>
#include <new>

namespace kwintel {
namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

}  // namespace

LineStore& LineStore::operator=(std::initializer_list<std::string_view> lines) {
  clear();
  for (const std::string_view line : lines) push_back(line);
  return *this;
}

void LineStore::push_back(std::string_view line) {
  // A line's length must fit its index entry; no line of a word file or of this program comes
  // near 4 GiB, so this is a guard, not a rule.
  if (line.size() > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
  while (current_ < blocks_.size() &&
         blocks_[current_].capacity() - blocks_[current_].size() < line.size()) {
    ++current_;
  }
  if (current_ == blocks_.size()) {
    blocks_.emplace_back();
    blocks_.back().reserve(std::max(kBlockBytes, line.size()));
  }
  std::string& block = blocks_[current_];
  lines_.push_back({static_cast<std::uint32_t>(current_), static_cast<std::uint32_t>(line.size()),
                    block.size()});
  block.append(line);
}

void LineStore::clear() {
  for (std::string& block : blocks_) block.clear();
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
