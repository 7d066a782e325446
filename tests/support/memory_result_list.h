#pragma once
// A ResultList held in memory with a selection, as a user would set it: the tests' list.

#include <string>
#include <string_view>
#include <vector>

#include "ports/result_list.h"
#include "text/line_store.h"

namespace kwintel {

class MemoryResultList : public ResultList {
 public:
  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Text(int index) const override {
    if (index < 0 || index >= Count()) return {};
    return std::string(lines_[static_cast<std::size_t>(index)]);
  }
  void Append(std::string_view line) override { lines_.push_back(line); }
  void AppendKept(std::string_view line, LineStore& backup) override {
    lines_.push_back(line);
    backup.PushBackLastOf(lines_);
  }
  void Clear() override {
    lines_.clear();
    selected_.clear();
  }
  void Delete(int index) override {
    if (index < 0 || index >= Count()) return;
    lines_.erase(static_cast<std::size_t>(index));
    if (static_cast<std::size_t>(index) < selected_.size()) selected_.erase(selected_.begin() + index);
  }
  std::vector<int> SelectedIndices() const override {
    std::vector<int> indices;
    for (std::size_t i = 0; i < selected_.size(); ++i) {
      if (selected_[i]) indices.push_back(static_cast<int>(i));
    }
    return indices;
  }

  // Selection, lost when the line goes.
  void Select(int index, bool on = true) {
    if (index < 0 || index >= Count()) return;
    if (selected_.size() < lines_.size()) selected_.resize(lines_.size());
    selected_[static_cast<std::size_t>(index)] = on;
  }
  std::vector<std::string> Lines() const { return lines_.Strings(); }

 private:
  LineStore lines_;
  std::vector<bool> selected_;
};

}  // namespace kwintel
