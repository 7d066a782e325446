#pragma once
// A list of text lines held end to end in large blocks (an arena with copy-on-write). A search can add hundreds of
// thousands of lines; one allocation per line, or a vector of strings that moves every string each time it grows, would
// cost more than the search itself. Here a line costs a copy of its bytes and one small index entry, and clearing keeps
// the blocks for the next list.
//
// Copies share their lines: a copy costs nothing until one of the stores changes lines another
// one sees, and then only that store takes a copy of its own. Lines once written never change, so
// stores whose lines are the first lines of the same shared list can read them side by side, and
// the store that holds the last of them may add more.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kwintel {

class LineStore {
 public:
  LineStore() = default;
  LineStore(std::initializer_list<std::string_view> lines) { *this = lines; }
  LineStore(const LineStore&) = default;
  LineStore& operator=(const LineStore&) = default;
  LineStore(LineStore&& other) noexcept : shared_(std::move(other.shared_)), size_(std::exchange(other.size_, 0)) {}
  LineStore& operator=(LineStore&& other) noexcept {
    shared_ = std::move(other.shared_);
    size_ = std::exchange(other.size_, 0);
    return *this;
  }
  LineStore& operator=(std::initializer_list<std::string_view> lines);

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  // Line `index` (below size()) without a copy; valid until the store is cleared or assigned.
  std::string_view operator[](std::size_t index) const { return shared_->View(index); }

  // Inline for the common case: this store holds the newest line of its list, and the line fits
  // in the block being filled.
  void push_back(std::string_view line) {
    Lines* lines = shared_.get();
    if (lines != nullptr && lines->index.size() == size_ && lines->TryAppend(line)) {
      ++size_;
      return;
    }
    PushBackSlow(line);
  }
  // Adds the last line of `other` (which holds one) at the end. While this store's lines are the
  // lines before it in `other`, as when a search fills its result list and the backup of it side
  // by side, the line is shared rather than copied.
  void PushBackLastOf(const LineStore& other) {
    if (size_ + 1 == other.size_ && (shared_ == other.shared_ || size_ == 0)) {
      shared_ = other.shared_;
      ++size_;
      return;
    }
    push_back(other[other.size_ - 1]);
  }
  // Drops every line. A store that shares none keeps its blocks, so that the next list takes no
  // new memory.
  void clear();
  // Removes line `index` (below size()); later lines move up. Its bytes stay unused until clear().
  void erase(std::size_t index);
  // Room in the index for this many lines (a hint, passed over while the lines are shared).
  void reserve(std::size_t lines);

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
  const_iterator end() const { return const_iterator(*this, size_); }

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
  };
  // The list the stores that share it read; each store sees its first lines. Blocks past the one
  // being filled are empty.
  struct Lines {
    std::vector<Line> index;
    std::vector<Block> blocks;
    std::size_t current = 0;  // the block being filled, while start is set
    char* start = nullptr;    // its bytes
    char* fill = nullptr;     // where the next line goes in it
    char* limit = nullptr;    // its end

    std::string_view View(std::size_t line) const {
      const Line& entry = index[line];
      return std::string_view(blocks[entry.block].bytes.get() + entry.offset, entry.length);
    }
    // Appends the line when it fits in the block being filled with room to spare (so that no
    // block is needed to tell an empty line from none). A line that fits is no longer than a
    // block, and only a line longer than a block makes one larger, so its length fits a Line.
    bool TryAppend(std::string_view line) {
      if (line.size() >= static_cast<std::size_t>(limit - fill)) return false;
      Put(line);
      return true;
    }
    // Appends the line, in a new block when the one being filled has no room for it.
    void Append(std::string_view line);
    // Writes the line where the block being filled has room for it.
    void Put(std::string_view line) {
      index.push_back({static_cast<std::uint32_t>(current), static_cast<std::uint32_t>(line.size()),
                       static_cast<std::size_t>(fill - start)});
      CopyBytes(fill, line.data(), line.size());
      fill += line.size();
    }
    void Clear();
  };

  void PushBackSlow(std::string_view line);
  // Makes this store the only one that sees its list, and its lines the whole list.
  void Own();

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

  std::shared_ptr<Lines> shared_;
  std::size_t size_ = 0;  // this store's lines: the first size_ of *shared_
};

}  // namespace kwintel
