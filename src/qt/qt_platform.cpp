#include "qt/qt_platform.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <ctime>

#include "qt/cp1252_qstring.h"
#include "qt/help_window.h"
#include "qt/qt_font.h"
#include "qt/qt_print_surface.h"

namespace kwintel {
namespace {

QString PathFromBytes(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string BytesFromPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Qt's own file dialog rather than the desktop's: its filters match without letter case, so
// "*.doc" also shows the word files named *.DOC.
std::optional<std::string> RunFileDialog(QFileDialog& dialog, const std::string& proposedPath) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (!proposedPath.empty()) dialog.selectFile(PathFromBytes(proposedPath));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return BytesFromPath(files.first());
}

}  // namespace

QtPlatform::QtPlatform(QWidget* owner, QString executableFolder)
    : owner_(owner), executableFolder_(std::move(executableFolder)) {}

QtPlatform::~QtPlatform() = default;  // the help window is a child of owner_, which deletes it

std::optional<std::string> QtPlatform::ChooseWordFile(const std::string& initialPath) {
  QFileDialog dialog(owner_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QStringLiteral("doc"));
  dialog.setNameFilters({QStringLiteral("woordbestand (*.doc)"), QStringLiteral("Alle bestanden (*.*)")});
  return RunFileDialog(dialog, initialPath);
}

std::optional<std::string> QtPlatform::ChooseResultFile(const std::string& proposedPath) {
  QFileDialog dialog(owner_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.setNameFilters({QStringLiteral("tekstbestand (*.txt)"), QStringLiteral("Alle bestanden (*.*)")});
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  return RunFileDialog(dialog, proposedPath);
}

std::optional<FontDescription> QtPlatform::ChooseFont(const FontDescription& current) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, QFontFromDescription(current), owner_);
  if (!ok) return std::nullopt;
  return DescriptionFromQFont(chosen);
}

std::unique_ptr<PrintSurface> QtPlatform::ChoosePrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), owner_);
  // All pages, no page range, no "selection only". Printing to a (PDF) file stays on offer: on a
  // desktop without a printer it is the only way to print at all.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return std::make_unique<QtPrintSurface>(std::move(printer));
}

void QtPlatform::SetClipboardText(std::string_view text) {
  QGuiApplication::clipboard()->setText(QStringFromCp1252(text));
}

void QtPlatform::ShowHelp() {
  if (!help_) help_ = new HelpWindow(executableFolder_, owner_);
  help_->ShowContents();
}

std::tm QtPlatform::LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace kwintel
