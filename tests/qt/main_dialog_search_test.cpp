// Searches started from the dialog: Enter in the pattern box and on a focused toggle, the length
// toggles and options, the pattern history, and what the dialog does with clicks that come while
// a search runs (the interrupt, a second search, the end of the dialog).

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>

#include "dialog_test_support.h"
#include "engine/search_type.h"
#include "shell/form.h"
#include "shell/word_file_sources.h"

namespace kwintel::test {

class MainDialogSearchTest : public QObject {
  Q_OBJECT
 private slots:
  void EnterInThePatternBoxSearches();
  void EachNewTypesRadioSearchesWithItsType();
  void GangbaarNeedsCountsAndRanksByThem();
  void EnterOnAFocusedLengthToggleSearches();
  void GeenLeavesNoLengthAndAlleBringsThemBack();
  void MetLengteTwiceEndsAsItBegan();
  void HistoryTakesRoostButNotRoosAfterIt();
  void OnderbreekStopsALongSearch();
  void ClicksThatWouldStartAnotherRunAreIgnored();
  void EindeDuringASearchEndsTheDialogAfterIt();
  void CloseBoxDuringASearchEndsTheDialogAfterIt();
  void EindeWithATooLongPatternStaysOpen();
};

namespace {

// A folder whose five-letter file is long enough for a search to pump a few times.
std::map<int, std::vector<std::string>> LongWordList() { return {{5, ManyFiveLetterWords(45000)}}; }

QString LastLine(CWordSearchDlg& dialog) {
  const QStringList lines = ShownLines(dialog);
  return lines.isEmpty() ? QString() : lines.last();
}

// Clicks `id` the first time the search pumps, and reports what the dialog looked like then.
struct ClickDuringRun {
  ClickDuringRun(CWordSearchDlg& dialog, int id) {
    QTimer::singleShot(0, &dialog, [this, &dialog, id] {
      busyAtClick = dialog.IsBusy();
      Click(dialog, id);
      visibleAfterClick = dialog.isVisible();
    });
  }
  bool busyAtClick = false;
  bool visibleAfterClick = false;
};

}  // namespace

void MainDialogSearchTest::EnterInThePatternBoxSearches() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  TypeText(QStringLiteral("r..s"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

  QCOMPARE(ShownLines(*dialog), (QStringList{"RAAS", "REIS", "ROOS", "Totaal: 3"}));
  QCOMPARE(dialog->windowTitle(), QString::fromStdString("Kwintel - " + words.Prefix() + "04.DOC"));
  QCOMPARE(ControlOf<QProgressBar>(*dialog, ids::kProgress)->value(), 100);
  QCOMPARE(dialog->PatternBox()->count(), 1);
  QCOMPARE(dialog->PatternBox()->itemText(0), QStringLiteral("R..S"));
  QCOMPARE(dialog->PatternBox()->currentText(), QStringLiteral("R..S"));
  QVERIFY(dialog->isVisible());
}

void MainDialogSearchTest::EachNewTypesRadioSearchesWithItsType() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  const struct {
    int radio;
    const char* pattern;
    QStringList lines;
  } rows[] = {
      {ids::kMeerwoord, "roodroos", {"ROOD ROOS", "Totaal: 1"}},
      {ids::kVerborgen, "de roos", {"ROOS", "Totaal: 1"}},
      {ids::kDrukfout, "roos", {"BOOS", "ROOD", "Totaal: 2"}},
  };
  for (const auto& row : rows) {
    Click(*dialog, row.radio);
    QVERIFY(dialog->IsChecked(row.radio));
    QVERIFY(!dialog->IsChecked(ids::kVolgorde));
    dialog->SetText(ids::kPatternBox, row.pattern);
    Click(*dialog, ids::kGaZoeken);
    QCOMPARE(ShownLines(*dialog), row.lines);
  }
}

void MainDialogSearchTest::GangbaarNeedsCountsAndRanksByThem() {
  {
    WordFolder words(SmallWordList());
    OpenDialog dialog(words.Folder());
    QVERIFY(!dialog->Control(ids::kGangbaar)->isEnabled());
  }
  WordFolder words(SmallWordList());
  QFile counts(QString::fromStdString(words.Prefix() + ".FRQ"));
  QVERIFY(counts.open(QIODevice::WriteOnly));
  counts.write("REIS\t5\nROOS\t9\n");
  counts.close();
  OpenDialog dialog(words.Folder());
  QVERIFY(dialog->Control(ids::kGangbaar)->isEnabled());
  Click(*dialog, ids::kGangbaar);
  QVERIFY(dialog->IsChecked(ids::kGangbaar));
  dialog->SetText(ids::kPatternBox, "R..S");
  Click(*dialog, ids::kGaZoeken);
  QCOMPARE(ShownLines(*dialog), (QStringList{"ROOS", "REIS", "RAAS", "Totaal: 3"}));
}

void MainDialogSearchTest::EnterOnAFocusedLengthToggleSearches() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  dialog->SetText(ids::kPatternBox, "R..S");
  QWidget* toggle = dialog->Control(ids::LengthToggleId(4));
  toggle->setFocus(Qt::TabFocusReason);
  QTest::keyClick(toggle, Qt::Key_Return);

  QCOMPARE(LastLine(*dialog), QStringLiteral("Totaal: 3"));
  QVERIFY(dialog->IsChecked(ids::LengthToggleId(4)));  // Enter did not toggle it
}

void MainDialogSearchTest::GeenLeavesNoLengthAndAlleBringsThemBack() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  dialog->SetText(ids::kPatternBox, "R..S");
  Click(*dialog, ids::kGeen);
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    QVERIFY(!dialog->IsChecked(ids::LengthToggleId(length)));
  }
  Click(*dialog, ids::kGaZoeken);
  QCOMPARE(ShownLines(*dialog), QStringList{"Totaal: 0"});

  Click(*dialog, ids::kAlle);
  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    QVERIFY(dialog->IsChecked(ids::LengthToggleId(length)));
  }
  Click(*dialog, ids::kGaZoeken);
  QCOMPARE(LastLine(*dialog), QStringLiteral("Totaal: 3"));
}

void MainDialogSearchTest::MetLengteTwiceEndsAsItBegan() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  auto* box = ControlOf<QCheckBox>(*dialog, ids::kMetLengte);
  QTest::mouseClick(box, Qt::LeftButton);
  QVERIFY(box->isChecked());
  QCOMPARE(dialog->Dialog().withLength, 1);

  dialog->SetText(ids::kPatternBox, "ROO.");
  Click(*dialog, ids::kGaZoeken);
  QCOMPARE(ShownLines(*dialog), (QStringList{" 4. ROOD", " 4. ROOS", "Totaal: 2"}));

  QTest::mouseClick(box, Qt::LeftButton);
  QVERIFY(!box->isChecked());
  QCOMPARE(dialog->Dialog().withLength, 0);
}

void MainDialogSearchTest::HistoryTakesRoostButNotRoosAfterIt() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  TypeText(QStringLiteral("roost"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  dialog->PatternBox()->lineEdit()->clear();
  TypeText(QStringLiteral("roos"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

  QCOMPARE(LastLine(*dialog), QStringLiteral("Totaal: 1"));  // ROOS itself was searched
  QCOMPARE(dialog->PatternBox()->count(), 1);
  QCOMPARE(dialog->PatternBox()->itemText(0), QStringLiteral("ROOST"));
  QCOMPARE(dialog->PatternBox()->currentText(), QStringLiteral("ROOS"));
}

void MainDialogSearchTest::OnderbreekStopsALongSearch() {
  WordFolder words(LongWordList());
  OpenDialog dialog(words.Folder());
  dialog->SetText(ids::kPatternBox, ".....");
  Click(*dialog, ids::kMax15000);
  ClickDuringRun onderbreek(*dialog, ids::kOnderbreek);
  Click(*dialog, ids::kGaZoeken);

  QVERIFY(onderbreek.busyAtClick);
  const QStringList lines = ShownLines(*dialog);
  const int found = static_cast<int>(lines.size()) - 1;
  QVERIFY2(found > 0 && found < 15000, qPrintable(QString::number(found)));
  QCOMPARE(lines.last(), QStringLiteral("Onderbroken: %1e").arg(found));
  QCOMPARE(lines.first(), QStringLiteral("AAAAA"));
  QCOMPARE(dialog->ResultListWidget()->Count(), static_cast<int>(lines.size()));
}

void MainDialogSearchTest::ClicksThatWouldStartAnotherRunAreIgnored() {
  WordFolder words(LongWordList());
  OpenDialog dialog(words.Folder());
  dialog->SetText(ids::kPatternBox, ".....");
  Click(*dialog, ids::kMax1000);
  Click(*dialog, ids::kMax15000);
  const std::string prefix = ChosenPrefix(dialog->Dialog());
  ClickDuringRun again(*dialog, ids::kGaZoeken);
  ClickDuringRun source(*dialog, ids::kSource1);
  Click(*dialog, ids::kGaZoeken);

  QVERIFY(again.busyAtClick);
  const QStringList lines = ShownLines(*dialog);
  QCOMPARE(lines.size(), 15001);
  QCOMPARE(lines.last(), QStringLiteral("Maximum: 15000"));
  QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^(Totaal|Maximum|Onderbroken)"))).size(), 1);
  QCOMPARE(ChosenPrefix(dialog->Dialog()), prefix);
  QCOMPARE(dialog->windowTitle(), QString::fromStdString("Kwintel - " + prefix + "05.DOC"));
}

void MainDialogSearchTest::EindeDuringASearchEndsTheDialogAfterIt() {
  WordFolder words(LongWordList());
  OpenDialog dialog(words.Folder());
  dialog->SetText(ids::kPatternBox, ".....");
  Click(*dialog, ids::kMax15000);
  ClickDuringRun einde(*dialog, ids::kEinde);
  Click(*dialog, ids::kGaZoeken);

  QVERIFY(einde.busyAtClick);
  QVERIFY(einde.visibleAfterClick);  // still on screen while the search runs on
  QCOMPARE(LastLine(*dialog), QStringLiteral("Maximum: 15000"));
  QVERIFY(!dialog->isVisible());
  QCOMPARE(dialog->result(), static_cast<int>(QDialog::Accepted));
}

void MainDialogSearchTest::CloseBoxDuringASearchEndsTheDialogAfterIt() {
  WordFolder words(LongWordList());
  OpenDialog dialog(words.Folder());
  dialog->SetText(ids::kPatternBox, ".....");
  Click(*dialog, ids::kMax15000);
  bool visibleAfterClose = false;
  QTimer::singleShot(0, dialog.get(), [&] {
    dialog->close();
    visibleAfterClose = dialog->isVisible();
  });
  dialog->setResult(-1);
  Click(*dialog, ids::kGaZoeken);

  QVERIFY(visibleAfterClose);
  QCOMPARE(LastLine(*dialog), QStringLiteral("Maximum: 15000"));
  QVERIFY(!dialog->isVisible());
  QCOMPARE(dialog->result(), static_cast<int>(QDialog::Rejected));
}

void MainDialogSearchTest::EindeWithATooLongPatternStaysOpen() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  dialog->SetText(ids::kPatternBox, std::string(300, 'A'));
  {
    MessageCatcher messages;
    Click(*dialog, ids::kEinde);
    QCOMPARE(messages.texts, QStringList{kTooLongMessage});
    QCOMPARE(messages.captions, QStringList{"Kwintel"});
  }
  QVERIFY(dialog->isVisible());
  // The focus the dialog gets back once the message box has gone.
  QVERIFY(dialog->focusWidget() == dialog->PatternBox() || dialog->focusWidget() == dialog->PatternBox()->lineEdit());

  // The close box ends it at once, without reading the form.
  QTimer::singleShot(0, dialog.get(), [&] { dialog->close(); });
  QCOMPARE(dialog->exec(), static_cast<int>(QDialog::Rejected));
}

}  // namespace kwintel::test

QTEST_MAIN(kwintel::test::MainDialogSearchTest)
#include "main_dialog_search_test.moc"
