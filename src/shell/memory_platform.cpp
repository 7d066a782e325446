#include "shell/memory_platform.h"

namespace kwintel {

std::optional<std::string> MemoryPlatform::ChooseWordFile(const std::string& initialPath) {
  ++wordFileDialogs;
  proposedWordFile = initialPath;
  return wordFileAnswer;
}

std::optional<std::string> MemoryPlatform::ChooseResultFile(const std::string& proposedPath) {
  ++resultFileDialogs;
  proposedResultFile = proposedPath;
  return resultFileAnswer;
}

std::optional<FontDescription> MemoryPlatform::ChooseFont(const FontDescription&) {
  ++fontDialogs;
  return fontAnswer;
}

std::unique_ptr<PrintSurface> MemoryPlatform::ChoosePrinter() {
  ++printDialogs;
  return printerAnswer ? printerAnswer() : nullptr;
}

void MemoryPlatform::SetClipboardText(std::string_view text) { clipboard = std::string(text); }

}  // namespace kwintel
