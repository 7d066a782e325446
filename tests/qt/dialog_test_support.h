#pragma once
// What the main dialog's Qt tests share: a word-file set written to a scratch folder, a dialog
// shown on the offscreen platform as the program opens it, and a catcher
// that answers the message boxes a command shows.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ports/control_ids.h"
#include "qt/cp1252_qstring.h"
#include "qt/main_dialog_template.h"
#include "qt/result_list_box.h"
#include "qt/word_search_dlg.h"
#include "support/memory_platform.h"

namespace kwintel::test {

// A word-file set "<folder>/tw02.DOC" ... "tw19.DOC"; lengths without words get an empty file, so
// the set is always complete enough to be discovered.
class WordFolder {
 public:
  explicit WordFolder(const std::map<int, std::vector<std::string>>& words = {}) {
    for (int length = 2; length <= 19; ++length) {
      const auto it = words.find(length);
      Write(length, it == words.end() ? std::vector<std::string>{} : it->second);
    }
  }
  void Write(int length, const std::vector<std::string>& words) {
    QFile file(dir_.filePath(QStringLiteral("tw%1.DOC").arg(length, 2, 10, QLatin1Char('0'))));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const std::string& word : words) file.write((word + "\r\n").c_str());
  }
  // The folder, ending in '/', as the dialog wants its executable's folder.
  QString Folder() const { return dir_.path() + QLatin1Char('/'); }
  std::string Prefix() const { return QFile::encodeName(dir_.path()).toStdString() + "/tw"; }

 private:
  QTemporaryDir dir_;
};

// The words the search tests look for: R..S finds RAAS, REIS and ROOS (RIJS goes with "IJ één
// letter" on).
inline std::map<int, std::vector<std::string>> SmallWordList() {
  return {{4, {"BOOS", "RAAS", "REIS", "RIJS", "ROOD", "ROOS"}},
          {5, {"ROOST", "ROZEN"}},
          {6, {"ROOSJE"}},
          {7, {"ROOSTER"}}};
}

// `count` different words of five capitals, for a search long enough to pump several times.
inline std::vector<std::string> ManyFiveLetterWords(int count) {
  std::vector<std::string> words;
  for (int n = 0; n < count; ++n) {
    std::string word(5, 'A');
    for (int i = 4, v = n; i >= 0; --i, v /= 26) word[static_cast<size_t>(i)] = static_cast<char>('A' + v % 26);
    words.push_back(word);
  }
  return words;
}

// The text a control shows: the pattern box's or an edit's text, a button's caption (Windows-1252).
inline std::string TextOf(CWordSearchDlg& dialog, int id) {
  const QWidget* widget = dialog.Control(id);
  if (const auto* combo = qobject_cast<const QComboBox*>(widget)) return Cp1252FromQString(combo->currentText());
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return Cp1252FromQString(edit->text());
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return Cp1252FromQString(button->text());
  return {};
}

// A dialog as the program opens it, on a word folder, shown and active.
class OpenDialog {
 public:
  explicit OpenDialog(const QString& folder) {
    dialog_ = std::make_unique<CWordSearchDlg>(folder, nullptr);
    dialog_->show();
    dialog_->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog_.get())) qWarning("the dialog did not become active");
  }
  CWordSearchDlg& operator*() { return *dialog_; }
  CWordSearchDlg* operator->() { return dialog_.get(); }
  CWordSearchDlg* get() { return dialog_.get(); }

 private:
  std::unique_ptr<CWordSearchDlg> dialog_;
};

template <typename Widget = QWidget>
Widget* ControlOf(CWordSearchDlg& dialog, int id) {
  auto* widget = qobject_cast<Widget*>(dialog.Control(id));
  if (!widget) qFatal("control %d is missing or of another kind", id);
  return widget;
}

inline void Click(CWordSearchDlg& dialog, int id) { QTest::mouseClick(ControlOf(dialog, id), Qt::LeftButton); }

// The lines of the result list as the view shows them.
inline QStringList ShownLines(CWordSearchDlg& dialog) {
  QStringList lines;
  const ResultListBox* list = dialog.ResultListWidget();
  for (int row = 0; row < list->model()->rowCount(); ++row) {
    lines << list->model()->index(row, 0).data().toString();
  }
  return lines;
}

// Types into the focused control as the keyboard would, accented letters included.
inline void TypeText(const QString& text) {
  for (QChar c : text) {
    QWidget* target = QApplication::focusWidget();
    if (c.unicode() < 0x80) {
      QTest::keyClick(target, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

// Answers every message box that opens while it lives with OK, and keeps what the boxes said.
class MessageCatcher : public QObject {
 public:
  MessageCatcher() {
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || box == answered_) return;
      answered_ = box;
      texts << box->text();
      captions << box->windowTitle();
      box->accept();
    });
    timer_.start(5);
  }
  QStringList texts;
  QStringList captions;

 private:
  QTimer timer_;
  QPointer<QMessageBox> answered_;
};

}  // namespace kwintel::test
