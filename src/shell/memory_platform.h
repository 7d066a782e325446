#pragma once
// A Platform whose dialogs answer from values set beforehand: the headless front end's platform,
// and the tests'. It records what the commands asked and handed over.

#include <functional>
#include <optional>
#include <string>

#include "ports/platform.h"

namespace kwintel {

class MemoryPlatform : public Platform {
 public:
  std::optional<std::string> ChooseWordFile(const std::string& initialPath) override;
  std::optional<std::string> ChooseResultFile(const std::string& proposedPath) override;
  std::optional<FontDescription> ChooseFont(const FontDescription& current) override;
  std::unique_ptr<PrintSurface> ChoosePrinter() override;
  void SetClipboardText(std::string_view text) override;
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
