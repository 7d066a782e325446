#pragma once
// The result list of kwintel-cli's headless dialog. Nobody selects lines on a command line, so it
// keeps no selection; the lines go end to end into a LineStore.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ports/result_list.h"
#include "text/line_store.h"

namespace kwintel::cli {

class HeadlessResultList : public ResultList {
 public:
  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Text(int index) const override { return std::string(View(index)); }
  void Append(std::string_view line) override { lines_.push_back(line); }
  void AppendKept(std::string_view line, LineStore& backup) override {
    lines_.push_back(line);
    backup.PushBackLastOf(lines_);
  }
  // Keeps the blocks, so that refilling the list (a sort, a narrowing) takes no new memory.
  void Clear() override { lines_.clear(); }
  void Delete(int index) override {
    if (index >= 0) lines_.erase(static_cast<std::size_t>(index));
  }
  // No line is ever selected.
  std::vector<int> SelectedIndices() const override { return {}; }

  // Line `index` without a copy; empty outside 0..Count()-1. Valid until the list is cleared.
  std::string_view View(int index) const {
    if (index < 0 || index >= Count()) return {};
    return lines_[static_cast<std::size_t>(index)];
  }
  // Room for this many lines before the line index grows.
  void Reserve(std::size_t lines) { lines_.reserve(lines); }

 private:
  LineStore lines_;
};

}  // namespace kwintel::cli
