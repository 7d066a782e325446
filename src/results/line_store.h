#pragma once
// A list of text lines held end to end in large blocks. A search can add hundreds of thousands of
// lines; one allocation per line, or a vector of strings that moves every string each time it
// grows, would cost more than the search itself. Here a line costs a copy of its bytes and one
// small index entry, and clearing keeps the blocks for the next list.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kwintel {

class LineStore {
 public:
  LineStore() = default;
  LineStore(std::initializer_list<std::string_view> lines) { *this = lines; }
  LineStore& operator=(std::initializer_list<std::string_view> lines);

  std::size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  // Line `index` (below size()) without a copy; valid until the store is cleared or assigned.
  std::string_view operator[](std::size_t index) const {
    const Line& line = lines_[index];
    return std::string_view(blocks_[line.block].data() + line.offset, line.length);
  }

  void push_back(std::string_view line);
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
  struct Line {
    std::uint32_t block;
    std::uint32_t length;
    std::size_t offset;
  };
  // Each block is filled only within the capacity reserved for it, so its bytes never move.
  std::vector<std::string> blocks_;
  std::size_t current_ = 0;  // the block being filled
  std::vector<Line> lines_;
};

}  // namespace kwintel
