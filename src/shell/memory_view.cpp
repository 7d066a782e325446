#include "shell/memory_view.h"

namespace kwintel {

bool MemoryView::IsChecked(int id) const {
  const auto it = checked.find(id);
  return it != checked.end() && it->second;
}

void MemoryView::CheckRadio(int first, int last, int id) {
  for (auto& [control, on] : checked) {
    if (control >= first && control <= last) on = false;
  }
  checked[id] = true;
}

std::string MemoryView::GetText(int id) const {
  const auto it = texts.find(id);
  return it == texts.end() ? std::string() : it->second;
}

void MemoryView::SetVisible(int id, bool on) {
  if (on) {
    hidden.erase(id);
  } else {
    hidden.insert(id);
  }
}

void MemoryView::SetEnabled(int id, bool on) {
  if (on) {
    disabled.erase(id);
  } else {
    disabled.insert(id);
  }
}

void MemoryView::SetProgressRange(int low, int high) {
  progressLow = low;
  progressHigh = high;
}

void MemoryView::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
  messages.push_back({std::string(text), std::string(caption), icon});
}

void MemoryView::PumpMessages() {
  ++pumpCount;
  if (onPump) onPump();
}

void MemoryView::EndDialog(bool ok) {
  ended = true;
  endedOk = ok;
}

bool MemoryView::IsPressed(int id) const {
  const auto it = pressed.find(id);
  return it != pressed.end() && it->second;
}

}  // namespace kwintel
