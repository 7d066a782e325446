#pragma once
// The result list held in memory: the headless front end's list, and the tests'.

#include <string>
#include <string_view>
#include <vector>

#include "ports/result_list.h"
#include "text/line_store.h"

namespace kwintel {

// A ResultList held in memory: the headless front end's list, and the tests'.
class MemoryResultList : public ResultList {
 public:
  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Text(int index) const override;
  void Append(std::string_view line) override;
  void AppendKept(std::string_view line, LineStore& backup) override;
  void Clear() override;
  void Delete(int index) override;
  std::vector<int> SelectedIndices() const override;

  // Selection, as the user would set it; lost when the line goes.
  void Select(int index, bool on = true);
  std::vector<std::string> Lines() const { return lines_.Strings(); }

 private:
  LineStore lines_;
  // Whether each line is selected. Grown only when a line is selected, as a search adds hundreds
  // of thousands of lines that nobody selects: a line past its end is not selected.
  std::vector<bool> selected_;
};

}  // namespace kwintel
