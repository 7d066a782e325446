#pragma once
// The help window: kwintel.html in a browser of its own, opened at its contents. When the
// document cannot be found the window says so, naming the places it looked.

#include <QTextBrowser>
#include <QWidget>

namespace kwintel {

inline constexpr const char* kHelpDocumentName = "kwintel.html";

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // `executableFolder` ends in '/'. A child window of `parent`, so a modal parent does not block it.
  HelpWindow(const QString& executableFolder, QWidget* parent);

  // Looks the document up again (it may have appeared since), shows it at its top and brings the
  // window to the front.
  void ShowContents();

  const QTextBrowser& Browser() const { return *browser_; }

 private:
  QString executableFolder_;
  QTextBrowser* browser_;
};

}  // namespace kwintel
