#pragma once
// A list of text lines held end to end in large blocks. A search can add hundreds of thousands of
// lines; one allocation per line, or a vector of strings that moves every string each time it
// grows, would cost more than the search itself. Here a line costs a copy of its bytes and one
// small index entry, and clearing keeps the blocks for the next list.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kwintel {

class LineStore {
 public:
  LineStore() = default;
  LineStore(std::initializer_list<std::string_view> lines) { *this = lines; }
  LineStore(const LineStore& other) { *this = other; }
  LineStore& operator=(const LineStore& other);
  LineStore(LineStore&&) noexcept = default;
  LineStore& operator=(LineStore&&) noexcept = default;
  LineStore& operator=(std::initializer_list<std::string_view> lines);

  std::size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  // Line `index` (below size()) without a copy; valid until the store is cleared or assigned.
  std::string_view operator[](std::size_t index) const {
    const Line& line = lines_[index];
    return std::string_view(blocks_[line.block].bytes.get() + line.offset, line.length);
  }

  // Inline for the common case, a line that fits in the block being filled.
  void push_back(std::string_view line) {
    if (current_ < blocks_.size()) {
      Block& block = blocks_[current_];
      if (block.capacity - block.size >= line.size() && line.size() <= kMaxLineBytes) {
        lines_.push_back({static_cast<std::uint32_t>(current_),
                          static_cast<std::uint32_t>(line.size()), block.size});
        CopyBytes(block.bytes.get() + block.size, line.data(), line.size());
        block.size += line.size();
        return;
      }
    }
    PushBackInNewBlock(line);
  }
  // Drops every line and keeps the blocks, so that the next list takes no new memory.
  void clear();
  // Removes line `index` (below size()); later lines move up. Its bytes stay unused until clear().
  void erase(std::size_t index);
  // Room in the index for this many lines.
  void reserve(std::size_t lines) { lines_.reserve(lines); }

  // The lines as strings, in order.
  std::vector<std::string> Strings() const;

  class const_iterator {
   public:
    const_iterator(const LineStore& store, std::size_t index) : store_(&store), index_(index) {}
    std::string_view operator*() const { return (*store_)[index_]; }
    const_iterator& operator++() {
      ++index_;
      return *this;
    }
    bool operator==(const const_iterator& other) const { return index_ == other.index_; }

   private:
    const LineStore* store_;
    std::size_t index_;
  };
  const_iterator begin() const { return const_iterator(*this, 0); }
  const_iterator end() const { return const_iterator(*this, lines_.size()); }

 private:
  // A line's length must fit its index entry. No line of a word file or of this program comes
  // near 4 GiB, so this is a guard, not a rule.
  static constexpr std::size_t kMaxLineBytes = UINT32_MAX;

  struct Line {
    std::uint32_t block;
    std::uint32_t length;
    std::size_t offset;
  };
  // Bytes are written only below the capacity, so a block never moves.
  struct Block {
    std::unique_ptr<char[]> bytes;
    std::size_t capacity = 0;
    std::size_t size = 0;
  };
  void PushBackInNewBlock(std::string_view line);

  // memcpy, with the sizes of most lines copied inline: a call costs more than the copy. Two
  // copies of fixed size that overlap cover every size between them.
  static void CopyBytes(char* to, const char* from, std::size_t n) {
    if (n > 32) {
      std::memcpy(to, from, n);
    } else if (n >= 16) {
      std::memcpy(to, from, 16);
      std::memcpy(to + n - 16, from + n - 16, 16);
    } else if (n >= 8) {
      std::memcpy(to, from, 8);
      std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4) {
      std::memcpy(to, from, 4);
      std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n >= 2) {
      std::memcpy(to, from, 2);
      std::memcpy(to + n - 2, from + n - 2, 2);
    } else if (n == 1) {
      *to = *from;
    }
  }

  std::vector<Block> blocks_;
  std::size_t current_ = 0;  // the block being filled
  std::vector<Line> lines_;
};

}  // namespace kwintel
