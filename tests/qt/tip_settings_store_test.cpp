// The profile of the desktop program: kwintel.INI in $XDG_CONFIG_HOME (default ~/.config),
// section "Tip", read back by a later run.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "qt/qt_settings_store.h"

namespace kwintel {

class TipSettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_.emplace();
    QVERIFY(folder_->isValid());
  }
  void cleanup() {
    qunsetenv("XDG_CONFIG_HOME");
    folder_.reset();
  }

  void theProfileLivesInXdgConfigHome() {
    // A folder that does not exist yet: the first write makes it.
    const QString config = folder_->filePath("config");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    const QString path = QtSettingsStore::ProfilePath(QStringLiteral("kwintel"));
    QCOMPARE(path, config + QStringLiteral("/kwintel.INI"));
    {
      QtSettingsStore store(path);
      store.WriteInt("Tip", "StartUp", 1);
      store.WriteInt("Tip", "FilePos", 1234);
      store.WriteString("Tip", "TimeStamp", "Wed Jun  2 21:49:08 1993");
      // Written through at once, not when the store goes.
      QVERIFY(QFile::exists(path));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY2(content.contains("[Tip]\n"), content.constData());
    QVERIFY2(content.contains("StartUp=1\n"), content.constData());
    QVERIFY2(content.contains("FilePos=1234\n"), content.constData());

    QtSettingsStore later(path);
    QCOMPARE(later.ReadInt("Tip", "StartUp", 0), 1LL);
    QCOMPARE(later.ReadInt("Tip", "FilePos", 0), 1234LL);
    QCOMPARE(later.ReadString("Tip", "TimeStamp", ""), std::string("Wed Jun  2 21:49:08 1993"));
  }

  void withoutXdgConfigHomeItIsDotConfig() {
    qunsetenv("XDG_CONFIG_HOME");
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(folder_->path()));
    const QString path = QtSettingsStore::ProfilePath(QStringLiteral("kwintel"));
    qputenv("HOME", home);
    QCOMPARE(path, folder_->filePath(".config/kwintel.INI"));
  }

  void absentOrHandSpoiltValuesGiveTheDefaults() {
    const QString path = folder_->filePath("kwintel.INI");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Tip]\nFilePos=veel\nStartUp= 1 \n");
    file.close();
    QtSettingsStore store(path);
    QCOMPARE(store.ReadInt("Tip", "FilePos", 0), 0LL);
    QCOMPARE(store.ReadInt("Tip", "StartUp", 0), 1LL);
    QCOMPARE(store.ReadString("Tip", "TimeStamp", ""), std::string());
    QCOMPARE(store.ReadInt("Ander", "StartUp", 7), 7LL);
  }

 private:
  std::optional<QTemporaryDir> folder_;
};

}  // namespace kwintel

QTEST_MAIN(kwintel::TipSettingsStoreTest)
#include "tip_settings_store_test.moc"
