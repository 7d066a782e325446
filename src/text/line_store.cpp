#include "text/line_store.h"

#include <algorithm>
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

void LineStore::Lines::Append(std::string_view line) {
  if (line.size() > kMaxLineBytes) throw std::bad_alloc();
  if (start == nullptr || line.size() > static_cast<std::size_t>(limit - fill)) {
    // The next kept block with room, else a new one.
    std::size_t next = start == nullptr ? 0 : current + 1;
    while (next < blocks.size() && blocks[next].capacity < line.size()) ++next;
    if (next == blocks.size()) {
      Block block;
      block.capacity = std::max(kBlockBytes, line.size());
      block.bytes = std::make_unique_for_overwrite<char[]>(block.capacity);
      blocks.push_back(std::move(block));
    }
    current = next;
    start = fill = blocks[next].bytes.get();
    limit = start + blocks[next].capacity;
  }
  Put(line);
}

void LineStore::Lines::Clear() {
  index.clear();
  current = 0;
  start = fill = limit = nullptr;
}

void LineStore::Own() {
  if (shared_ && shared_.use_count() == 1) {
    // Lines past this store's are left by a store that shared the list and has let it go.
    shared_->index.resize(size_);
    return;
  }
  auto own = std::make_shared<Lines>();
  own->index.reserve(size_);
  for (std::size_t i = 0; i < size_; ++i) own->Append(shared_->View(i));
  shared_ = std::move(own);
}

void LineStore::PushBackSlow(std::string_view line) {
  if (!shared_ || shared_->index.size() != size_) Own();
  shared_->Append(line);
  ++size_;
}

void LineStore::clear() {
  size_ = 0;
  if (shared_.use_count() != 1) {
    shared_.reset();
    return;
  }
  shared_->Clear();
}

void LineStore::erase(std::size_t index) {
  if (index >= size_) return;
  Own();
  shared_->index.erase(shared_->index.begin() + static_cast<std::ptrdiff_t>(index));
  --size_;
}

void LineStore::reserve(std::size_t lines) {
  if (!shared_) shared_ = std::make_shared<Lines>();
  if (shared_.use_count() == 1) shared_->index.reserve(lines);
}

std::vector<std::string> LineStore::Strings() const {
  std::vector<std::string> strings;
  strings.reserve(size_);
  for (const std::string_view line : *this) strings.emplace_back(line);
  return strings;
}

}  // namespace kwintel
