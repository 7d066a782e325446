// STUB: to be written.
#include "shell/qt/word_search_app.h"

#include <QApplication>

#include "shell/qt/word_search_dlg.h"

namespace kwintel {

int RunWordSearchApp(int argc, char** argv) {
  QApplication app(argc, argv);
  CWordSearchDlg dialog;
  dialog.exec();
  return 0;
}

}  // namespace kwintel
