#include "shell/memory_result_list.h"

namespace kwintel {

std::string MemoryResultList::Text(int index) const {
  if (index < 0 || index >= Count()) return {};
  return std::string(lines_[static_cast<size_t>(index)]);
}

void MemoryResultList::Append(std::string_view line) { lines_.push_back(line); }

void MemoryResultList::AppendKept(std::string_view line, LineStore& backup) {
  lines_.push_back(line);
  backup.PushBackLastOf(lines_);
}

void MemoryResultList::Clear() {
  lines_.clear();
  selected_.clear();
}

void MemoryResultList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  lines_.erase(static_cast<size_t>(index));
  if (static_cast<size_t>(index) < selected_.size()) selected_.erase(selected_.begin() + index);
}

std::vector<int> MemoryResultList::SelectedIndices() const {
  std::vector<int> indices;
  for (size_t i = 0; i < selected_.size(); ++i) {
    if (selected_[i]) indices.push_back(static_cast<int>(i));
  }
  return indices;
}

void MemoryResultList::Select(int index, bool on) {
  if (index < 0 || index >= Count()) return;
  if (selected_.size() < lines_.size()) selected_.resize(lines_.size());
  selected_[static_cast<size_t>(index)] = on;
}

}  // namespace kwintel
