#pragma once
// A MainDialogView held in memory: the headless front end's dialog, and the one the tests and
// benchmarks drive. It keeps what the commands set (states, texts, title, progress, messages) so
// that a caller can read it back.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ports/main_dialog_view.h"
#include "shell/memory_result_list.h"
#include "shell/pattern_history.h"

namespace kwintel {

class MemoryView : public MainDialogView {
 public:
  struct Message {
    std::string text;
    std::string caption;  // as given; empty means the program's name
    MessageIcon icon;
  };

  void SetTitle(std::string_view text) override { title = text; }
  bool IsChecked(int id) const override;
  void SetChecked(int id, bool on) override { checked[id] = on; }
  void CheckRadio(int first, int last, int id) override;
  std::string GetText(int id) const override;
  void SetText(int id, std::string_view text) override { texts[id] = std::string(text); }
  void SetVisible(int id, bool on) override;
  void SetEnabled(int id, bool on) override;
  void SetPressed(int id, bool on) override { pressed[id] = on; }
  void SetFont(int id, const FontDescription& font) override { fonts[id] = font; }
  void Focus(int id) override { focused = id; }
  void SetProgressRange(int low, int high) override;
  void SetProgress(int n) override { progress = n; }
  int HistoryFind(std::string_view text) const override { return history.Find(text); }
  void HistoryAdd(std::string_view text) override { history.Add(text); }
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
  ResultList& Results() override { return results; }
  // Counts the pumps and runs onPump, where a test or the command line reacts to "input".
  void PumpMessages() override;
  void EndDialog(bool ok) override;

  bool IsVisible(int id) const { return hidden.count(id) == 0; }
  bool IsPressed(int id) const;

  std::map<int, bool> checked;
  std::map<int, std::string> texts;
  std::set<int> hidden;
  std::map<int, bool> pressed;
  std::map<int, FontDescription> fonts;
  int focused = 0;
  int progressLow = 0;
  int progressHigh = 100;
  int progress = 0;
  std::string title = "Kwintel";
  PatternHistory history;
  std::vector<Message> messages;
  MemoryResultList results;
  std::set<int> disabled;
  std::function<void()> onPump;
  int pumpCount = 0;
  bool ended = false;
  bool endedOk = false;
};

}  // namespace kwintel
