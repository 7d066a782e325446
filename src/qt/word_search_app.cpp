#include "qt/word_search_app.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>

#include "qt/message_box_tip_messages.h"
#include "qt/qt_settings_store.h"
#include "qt/tip_of_day_dlg.h"
#include "qt/word_search_dlg.h"
#include "shell/runtime_file.h"
#include "tips/startup_tip.h"
#include "tips/tip_strings.h"

namespace kwintel {

namespace {

// The executable's file name without its extension; it names the profile.
QString ProgramName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

}  // namespace

CWordSearchApp::CWordSearchApp(const QStringList& arguments, PhonemeSource* phonemes) : phonemes_(phonemes) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    arguments_.push_back(arguments[i].toStdString());
  }
}

bool CWordSearchApp::StartApplication() {
  // The two dialogs run one after the other with no window in between; closing the tip dialog
  // must not count as closing the program's last window.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  StartupTip();
  {
    CWordSearchDlg dialog;
    dialog.Dialog().phonemes = phonemes_;
    dialog.exec();
  }
  return false;
}

void CWordSearchApp::StartupTip() {
  QtSettingsStore profile(QtSettingsStore::ProfilePath(ProgramName()));
  MessageBoxTipMessages messages;
  // applicationDirPath is the folder of the real executable, so a link in bin finds the file too.
  const std::string executableFolder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() + '/';
  const std::string tipsPath = FindRuntimeFile(kTipsFileName, executableFolder);
  kwintel::StartupTip(arguments_, profile, messages, tipsPath, [](TipOfDay& tip) {
    CTipOfDayDlg dialog(tip);
    dialog.exec();
  });
}

int RunWordSearchApp(int argc, char** argv, PhonemeSource* phonemes) {
  QApplication application(argc, argv);
  // The tip dialog shows the program's icon too; the desktop entry ties the windows to the launcher.
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/kwintel/kwintel.svg")));
  QGuiApplication::setDesktopFileName(QStringLiteral("kwintel"));
  CWordSearchApp theApp(QCoreApplication::arguments(), phonemes);
  theApp.StartApplication();
  return 0;
}

}  // namespace kwintel
