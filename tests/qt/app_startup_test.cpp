// The program as a whole: the tip of the day before the main dialog, or none, and the end of
// StartApplication when the main dialog closes.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "qt/qt_settings_store.h"
#include "qt/word_search_app.h"

namespace kwintel {

// Records every modal window that comes up, by class, and closes it as its close box would.
class ModalWindowCloser : public QObject {
 public:
  ModalWindowCloser() {
    connect(&poll_, &QTimer::timeout, this, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        seen.push_back(QString::fromLatin1(modal->metaObject()->className()));
        modal->close();
      }
    });
    poll_.start(5);
  }
  QStringList seen;

 private:
  QTimer poll_;
};

class AppStartupTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_.emplace();
    QVERIFY(folder_->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder_->filePath("config")));
    previous_ = QDir::currentPath();
    // A desktop launcher's current folder, holding the tips file.
    QVERIFY(QDir::setCurrent(folder_->path()));
    QFile tips(folder_->filePath("tips.txt"));
    QVERIFY(tips.open(QIODevice::WriteOnly));
    tips.write("Een\nTwee\n");
  }
  void cleanup() {
    QDir::setCurrent(previous_);
    qunsetenv("XDG_CONFIG_HOME");
    folder_.reset();
  }

  void firstRunShowsTheTipBeforeTheMainDialog() {
    QCOMPARE(Run({}), QStringList({"kwintel::CTipOfDayDlg", "kwintel::CWordSearchDlg"}));
    QCOMPARE(Profile().ReadInt("Tip", "FilePos", -1), 4LL);
  }

  void switchesGoStraightToTheMainDialog() {
    QCOMPARE(Run({"/Automation"}), QStringList({"kwintel::CWordSearchDlg"}));
    QCOMPARE(Run({"-embedding"}), QStringList({"kwintel::CWordSearchDlg"}));
    QCOMPARE(Profile().ReadInt("Tip", "FilePos", -1), -1LL);
  }

  void startUpOneShowsNoTipButMovesOn() {
    Profile().WriteInt("Tip", "StartUp", 1);
    QCOMPARE(Run({}), QStringList({"kwintel::CWordSearchDlg"}));
    QCOMPARE(Profile().ReadInt("Tip", "FilePos", -1), 4LL);
  }

 private:
  QStringList Run(const QStringList& arguments) {
    ModalWindowCloser closer;
    CWordSearchApp app(QStringList{QCoreApplication::applicationFilePath()} + arguments, nullptr);
    const bool loopFollows = app.StartApplication();
    if (loopFollows) return {"a message loop was asked for"};
    return closer.seen;
  }
  QtSettingsStore Profile() {
    return QtSettingsStore(
        QtSettingsStore::ProfilePath(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()));
  }

  std::optional<QTemporaryDir> folder_;
  QString previous_;
};

}  // namespace kwintel

QTEST_MAIN(kwintel::AppStartupTest)
#include "app_startup_test.moc"
