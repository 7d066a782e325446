#pragma once
// A MainDialogView that keeps what the commands set (states, texts, title, progress, the form
// shown, the history, messages) so that a test can read it back, and runs a callback at each pump,
// where a test reacts to "input".

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "shell/main_dialog_view.h"

namespace kwintel {

class MemoryView : public MainDialogView {
 public:
  struct Message {
    std::string text;
    std::string caption;  // as given; empty means the program's name
    MessageIcon icon;
  };

  void SetTitle(std::string_view text) override { title = text; }
  void SetChecked(int id, bool on) override { checked[id] = on; }
  void SetText(int id, std::string_view text) override { texts[id] = std::string(text); }
  void SetVisible(int id, bool on) override {
    if (on) {
      hidden.erase(id);
    } else {
      hidden.insert(id);
    }
  }
  void SetEnabled(int id, bool on) override {
    if (on) {
      disabled.erase(id);
    } else {
      disabled.insert(id);
    }
  }
  void SetPressed(int id, bool on) override { pressed[id] = on; }
  void SetFont(int id, const FontDescription& font) override { fonts[id] = font; }
  void Focus(int id) override { focused = id; }
  void SetProgress(int percent) override { progress = percent; }
  void ShowForm(const Form& form) override { shownForm = form; }
  void InsertHistory(int index, std::string_view text) override {
    history.insert(history.begin() + index, std::string(text));
  }
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
    messages.push_back({std::string(text), std::string(caption), icon});
  }
  void PumpMessages() override {
    ++pumpCount;
    if (onPump) onPump();
  }
  void EndDialog(bool ok) override {
    ended = true;
    endedOk = ok;
  }

  bool IsChecked(int id) const {
    const auto it = checked.find(id);
    return it != checked.end() && it->second;
  }
  bool IsVisible(int id) const { return hidden.count(id) == 0; }
  bool IsPressed(int id) const {
    const auto it = pressed.find(id);
    return it != pressed.end() && it->second;
  }

  std::map<int, bool> checked;
  std::map<int, std::string> texts;
  std::set<int> hidden;
  std::set<int> disabled;
  std::map<int, bool> pressed;
  std::map<int, FontDescription> fonts;
  int focused = 0;
  int progress = 0;
  std::string title = "Kwintel";
  std::optional<Form> shownForm;
  std::vector<std::string> history;
  std::vector<Message> messages;
  std::function<void()> onPump;
  int pumpCount = 0;
  bool ended = false;
  bool endedOk = false;
};

}  // namespace kwintel
