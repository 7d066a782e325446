#pragma once
// A Platform whose dialogs answer from values set beforehand, recording what the commands asked
// and handed over: the tests' platform.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ports/platform.h"

namespace kwintel {

class MemoryPlatform : public Platform {
 public:
  std::optional<std::string> ChooseWordFile(const std::string& initialPath) override {
    ++wordFileDialogs;
    proposedWordFile = initialPath;
    return wordFileAnswer;
  }
  std::optional<std::string> ChooseResultFile(const std::string& proposedPath) override {
    ++resultFileDialogs;
    proposedResultFile = proposedPath;
    return resultFileAnswer;
  }
  std::optional<FontDescription> ChooseFont(const FontDescription&) override {
    ++fontDialogs;
    return fontAnswer;
  }
  std::unique_ptr<PrintSurface> ChoosePrinter() override {
    ++printDialogs;
    return printerAnswer ? printerAnswer() : nullptr;
  }
  void SetClipboardText(std::string_view text) override { clipboard = std::string(text); }
  void ShowHelp() override { ++helpRequests; }
  std::tm LocalTimeNow() override { return now; }

  // Answers of the next dialogs (nothing: the user cancels).
  std::optional<std::string> wordFileAnswer;
  std::optional<std::string> resultFileAnswer;
  std::optional<FontDescription> fontAnswer;
  std::function<std::unique_ptr<PrintSurface>()> printerAnswer;  // unset: cancel
  std::tm now{};

  // What the commands did.
  std::string proposedWordFile;
  std::string proposedResultFile;
  int wordFileDialogs = 0;
  int resultFileDialogs = 0;
  int fontDialogs = 0;
  int printDialogs = 0;
  std::optional<std::string> clipboard;
  int helpRequests = 0;
};

}  // namespace kwintel
