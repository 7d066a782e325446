#pragma once
// The result list of kwintel-cli's headless dialog. Nobody selects lines on a command line, so it
// keeps no selection. A search over all word files can add hundreds of thousands of lines, and
// one allocation per line, or a buffer that is copied each time it grows, would cost more than
// the search itself: the lines' bytes go end to end into large blocks that never move.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "results/result_list.h"

namespace kwintel::cli {

class HeadlessResultList : public ResultList {
 public:
  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Text(int index) const override { return std::string(View(index)); }
  void Append(std::string_view line) override;
  // Keeps the blocks, so that refilling the list (a sort, a narrowing) takes no new memory.
  void Clear() override;
  void Delete(int index) override;
  // No line is ever selected.
  std::vector<int> SelectedIndices() const override { return {}; }

  // Line `index` without a copy; empty outside 0..Count()-1. Valid until the list is cleared.
  std::string_view View(int index) const;
  // Room for this many lines before the line index grows.
  void Reserve(std::size_t lines) { lines_.reserve(lines); }

 private:
  struct Line {
    std::uint32_t block;
    std::uint32_t length;
    std::size_t offset;
  };
  std::vector<std::string> blocks_;  // each filled only within its reserved capacity
  std::size_t current_ = 0;          // the block being filled
  std::vector<Line> lines_;
};

}  // namespace kwintel::cli
