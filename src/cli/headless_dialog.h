#pragma once
// The main dialog without a window: a view that keeps the first message a command shows and
// lets a callback react at each pump, and a platform whose dialogs are all cancelled (kwintel-cli
// never opens one).

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ports/platform.h"
#include "shell/main_dialog_view.h"

namespace kwintel::cli {

class HeadlessView : public MainDialogView {
 public:
  struct Message {
    std::string text;
    std::string caption;  // as given; empty means the program's name
  };

  void SetTitle(std::string_view) override {}
  void SetChecked(int, bool) override {}
  void SetText(int, std::string_view) override {}
  void SetVisible(int, bool) override {}
  void SetEnabled(int, bool) override {}
  void SetPressed(int, bool) override {}
  void SetFont(int, const FontDescription&) override {}
  void Focus(int) override {}
  void SetProgress(int) override {}
  void ShowForm(const Form&) override {}
  void InsertHistory(int, std::string_view) override {}
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon) override {
    if (!message) message = Message{std::string(text), std::string(caption)};
  }
  void PumpMessages() override {
    ++pumpCount;
    if (onPump) onPump();
  }
  void EndDialog(bool) override {}

  std::optional<Message> message;  // the first one shown
  std::function<void()> onPump;
  long pumpCount = 0;
};

class HeadlessPlatform : public Platform {
 public:
  std::optional<std::string> ChooseWordFile(const std::string&) override { return std::nullopt; }
  std::optional<std::string> ChooseResultFile(const std::string&) override { return std::nullopt; }
  std::optional<FontDescription> ChooseFont(const FontDescription&) override { return std::nullopt; }
  std::unique_ptr<PrintSurface> ChoosePrinter() override { return nullptr; }
  void SetClipboardText(std::string_view) override {}
  void ShowHelp() override {}
  std::tm LocalTimeNow() override { return {}; }
};

}  // namespace kwintel::cli
