#pragma once
// The platform dialogs and services the commands use, behind an interface of our own so that the
// commands stay testable: open, save, font and print dialogs, the clipboard and the help window.

#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ports/font_description.h"
#include "ports/print_surface.h"

namespace kwintel {

class Platform {
 public:
  virtual ~Platform() = default;

  // Open-file dialog for a word file; file names are file-system bytes. Nothing on cancel.
  // Filters "woordbestand (*.doc)" (first) and "Alle bestanden (*.*)", existing files only.
  virtual std::optional<std::string> ChooseWordFile(const std::string& initialPath) = 0;
  // Save-file dialog for the result file: proposed name, default suffix "txt", filters
  // "tekstbestand (*.txt)" and "Alle bestanden (*.*)", asks before replacing. Nothing on cancel.
  virtual std::optional<std::string> ChooseResultFile(const std::string& proposedPath) = 0;
  // Font dialog initialised with `current`. Nothing on cancel.
  virtual std::optional<FontDescription> ChooseFont(const FontDescription& current) = 0;
  // Print dialog; the chosen printer as a surface, or null on cancel.
  virtual std::unique_ptr<PrintSurface> ChoosePrinter() = 0;
  // Replaces the clipboard's content with text (Windows-1252; converted to Unicode text there).
  virtual void SetClipboardText(std::string_view text) = 0;
  // Opens the help document at its contents.
  virtual void ShowHelp() = 0;
  // The local calendar time now (the print header's clock).
  virtual std::tm LocalTimeNow() = 0;
};

}  // namespace kwintel
