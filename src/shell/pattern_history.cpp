#include "shell/pattern_history.h"

#include <algorithm>

#include "text/text_encoding.h"

namespace kwintel {
namespace {

unsigned char Fold(char c) { return CapitaliseTypedByte(static_cast<unsigned char>(c)); }

bool FoldedLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Fold(x) < Fold(y); });
}

bool BeginsWithFolded(std::string_view entry, std::string_view text) {
  if (entry.size() < text.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (Fold(entry[i]) != Fold(text[i])) return false;
  }
  return true;
}

}  // namespace

int PatternHistory::Find(std::string_view text) const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (BeginsWithFolded(entries_[i], text)) return static_cast<int>(i);
  }
  return -1;
}

int PatternHistory::Add(std::string_view text) {
  const auto at = std::upper_bound(entries_.begin(), entries_.end(), text,
                                   [](std::string_view t, const std::string& e) { return FoldedLess(t, e); });
  const auto index = at - entries_.begin();
  entries_.insert(at, std::string(text));
  return static_cast<int>(index);
}

}  // namespace kwintel
