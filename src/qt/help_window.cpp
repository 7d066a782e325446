#include "qt/help_window.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/runtime_file.h"

namespace kwintel {

HelpWindow::HelpWindow(const QString& executableFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), executableFolder_(executableFolder), browser_(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Kwintel - Hulp"));
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(720, 640);
}

void HelpWindow::ShowContents() {
  const std::string found = FindRuntimeFile(kHelpDocumentName, QFile::encodeName(executableFolder_).toStdString());
  if (found.empty()) {
    browser_->setHtml(QStringLiteral("<h2>Hulp niet gevonden</h2>"
                                     "<p>Het hulpbestand <b>%1</b> staat niet in de huidige map (%2) en ook niet "
                                     "naast het programma (%3).</p>")
                          .arg(QLatin1String(kHelpDocumentName), QDir::currentPath().toHtmlEscaped(),
                               QDir::toNativeSeparators(executableFolder_).toHtmlEscaped()));
  } else {
    const QUrl url = QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(found)));
    if (browser_->source() == url) {
      browser_->reload();
    } else {
      browser_->setSource(url);
    }
  }
  // The document opens with its table of contents: its top is the contents page.
  browser_->verticalScrollBar()->setValue(0);
  show();
  raise();
  activateWindow();
}

}  // namespace kwintel
