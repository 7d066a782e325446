#pragma once
// The result list of a kwintel-cli run that only searches: no narrowing, sort, restore or result
// file follows, so nothing will read the lines again. Each line goes out as it comes, as grep
// does, and the list keeps only their number; a search over a whole word list then costs no
// memory for its lines.
//
// The lines written cannot be taken back, so this list is only for a single search, which
// clears the list before its first line: Clear() resets the number, Text() knows no line and
// Delete() does nothing.

#include <string>
#include <string_view>
#include <vector>

#include "cli/utf8_line_writer.h"
#include "ports/result_list.h"

namespace kwintel::cli {

class StreamingResultList : public ResultList {
 public:
  explicit StreamingResultList(Utf8LineWriter& writer) : writer_(writer) {}

  int Count() const override { return count_; }
  std::string Text(int) const override { return {}; }
  void Append(std::string_view line) override {
    writer_.Write(line);
    ++count_;
  }
  void Clear() override { count_ = 0; }
  void Delete(int) override {}
  std::vector<int> SelectedIndices() const override { return {}; }

 private:
  Utf8LineWriter& writer_;
  int count_ = 0;
};

}  // namespace kwintel::cli
