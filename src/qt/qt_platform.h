#pragma once
// The platform the commands use, on Qt: file, font and print dialogs, the clipboard, the help
// window and the local clock. Dialogs are modal to `owner`.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "ports/platform.h"
#include "qt/help_window.h"

namespace kwintel {

class QtPlatform : public Platform {
 public:
  // `executableFolder` ends in '/': where the help document is looked for after the current folder.
  QtPlatform(QWidget* owner, QString executableFolder);
  ~QtPlatform() override;

  std::optional<std::string> ChooseWordFile(const std::string& initialPath) override;
  std::optional<std::string> ChooseResultFile(const std::string& proposedPath) override;
  std::optional<FontDescription> ChooseFont(const FontDescription& current) override;
  std::unique_ptr<PrintSurface> ChoosePrinter() override;
  void SetClipboardText(std::string_view text) override;
  void ShowHelp() override;
  std::tm LocalTimeNow() override;

  // The help window once it has been opened, else null.
  HelpWindow* Help() const { return help_; }

 private:
  QWidget* owner_;
  QString executableFolder_;
  QPointer<HelpWindow> help_;
};

}  // namespace kwintel
