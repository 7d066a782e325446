// The dialog's keyboard: Escape and F2 back to the pattern box (Escape never closes), F1 and
// "&Hulp..." open the help window, the Alt mnemonics, Ctrl+C in the result list.

#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBrowser>

#include "dialog_test_support.h"
#include "qt/help_window.h"

namespace kwintel::test {

class MainDialogKeysTest : public QObject {
  Q_OBJECT
 private slots:
  void EscapeMovesToThePatternBoxAndNeverCloses();
  void F2MovesToThePatternBox();
  void AltLetterRunsItsButton();
  void CtrlCInTheListCopiesTheSelectedLines();
  void F1AndHulpShowTheHelpDocumentAtItsContents();
  void AMissingHelpDocumentIsSaidInTheHelpWindow();
};

namespace {

bool PatternBoxHasFocus(CWordSearchDlg& dialog) {
  QWidget* focus = QApplication::focusWidget();
  return focus == dialog.PatternBox() || focus == dialog.PatternBox()->lineEdit();
}

}  // namespace

void MainDialogKeysTest::EscapeMovesToThePatternBoxAndNeverCloses() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  dialog->setResult(-1);
  for (int id : {ids::kResultList, ids::kDoorzoeken, ids::LengthToggleId(7), ids::kMetFilter, ids::kPatternBox}) {
    QWidget* control = dialog->Control(id);
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY2(PatternBoxHasFocus(*dialog), qPrintable(QString::number(id)));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), -1);
  }
}

void MainDialogKeysTest::F2MovesToThePatternBox() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  dialog->Control(ids::kMax500)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
  QVERIFY(PatternBoxHasFocus(*dialog));
}

void MainDialogKeysTest::AltLetterRunsItsButton() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  TypeText(QStringLiteral("r..s"));
  QTest::keyClick(dialog.get(), Qt::Key_G, Qt::AltModifier);
  QTRY_COMPARE(dialog->ResultListWidget()->Count(), 4);  // the button's click comes a moment later
}

void MainDialogKeysTest::CtrlCInTheListCopiesTheSelectedLines() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  TypeText(QStringLiteral("r..s"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QApplication::clipboard()->setText(QStringLiteral("vorige inhoud"));

  ResultListBox* list = dialog->ResultListWidget();
  list->setFocus(Qt::TabFocusReason);
  list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);
  list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
  QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);

  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("RAAS\nROOS\n"));
}

void MainDialogKeysTest::F1AndHulpShowTheHelpDocumentAtItsContents() {
  // The real document, beside the "executable"; the current folder holds none.
  WordFolder words(SmallWordList());
  QVERIFY(QFile::copy(QStringLiteral(KWINTEL_SOURCE_DIR "/resources/kwintel.html"),
                      words.Folder() + QLatin1String(kHelpDocumentName)));
  QTemporaryDir elsewhere;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(elsewhere.path());
  OpenDialog dialog(words.Folder());

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  HelpWindow* help = dialog->NativePlatform().Help();
  QVERIFY(help);
  QVERIFY(help->isVisible());
  QCOMPARE(help->Browser().documentTitle(), QStringLiteral("Kwintel - hulp"));
  QVERIFY(help->Browser().toPlainText().contains(QStringLiteral("Inhoud")));
  QCOMPARE(help->Browser().verticalScrollBar()->value(), 0);

  // "&Hulp..." brings the same window back after it was closed.
  help->close();
  Click(*dialog, ids::kHulp);
  QCOMPARE(dialog->NativePlatform().Help(), help);
  QVERIFY(help->isVisible());
  QDir::setCurrent(previous);
}

void MainDialogKeysTest::AMissingHelpDocumentIsSaidInTheHelpWindow() {
  QTemporaryDir exeFolder;
  QTemporaryDir elsewhere;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(elsewhere.path());
  OpenDialog dialog(exeFolder.path() + QLatin1Char('/'));

  Click(*dialog, ids::kHulp);
  HelpWindow* help = dialog->NativePlatform().Help();
  QVERIFY(help && help->isVisible());
  const QString text = help->Browser().toPlainText();
  QVERIFY2(text.contains(QStringLiteral("niet gevonden")), qPrintable(text));
  QVERIFY(text.contains(QLatin1String(kHelpDocumentName)));
  QVERIFY(text.contains(exeFolder.path()));
  QVERIFY(dialog->isVisible());
  QDir::setCurrent(previous);
}

}  // namespace kwintel::test

QTEST_MAIN(kwintel::test::MainDialogKeysTest)
#include "main_dialog_keys_test.moc"
