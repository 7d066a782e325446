#pragma once
// The pattern box's history: sorted entries, searched by beginning with letter case ignored.
// Both front ends keep one and show it.

#include <string>
#include <string_view>
#include <vector>

namespace kwintel {

class PatternHistory {
 public:
  // Index of the first entry that begins with text, letter case ignored, or -1.
  int Find(std::string_view text) const;
  // Inserts text at its sorted place (case-folded byte order); returns that index.
  int Add(std::string_view text);
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

}  // namespace kwintel
