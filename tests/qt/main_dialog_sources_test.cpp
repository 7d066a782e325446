// Word sources and fonts through the dialog: the source buttons with the title and the source
// highlight, the word-file chooser (its cancel, a chosen file, a refused one), and "&Font...".
// The platform's dialogs are answered by a MemoryPlatform put in place of the real ones.

#include <QLineEdit>

#include "dialog_test_support.h"
#include "qt/pressable_button.h"
#include "shell/word_file_sources.h"

namespace kwintel::test {

class MainDialogSourcesTest : public QObject {
  Q_OBJECT
 private slots:
  void SourceButtonsSetTheTitleAndTheHighlight();
  void CancelInTheChooserLeavesNoWordSource();
  void AChosenWordFileSelectsItsSet();
  void AFileWithoutExtensionIsRefused();
  void ANewFontReachesPatternBoxAndListOnly();
};

namespace {

bool Pressed(CWordSearchDlg& dialog, int id) { return ControlOf<PressableButton>(dialog, id)->HasPressedLook(); }

}  // namespace

void MainDialogSourcesTest::SourceButtonsSetTheTitleAndTheHighlight() {
  QTemporaryDir empty;
  OpenDialog dialog(empty.path() + QLatin1Char('/'));
  Click(*dialog, ids::kSource2);
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Kwintel - "));
  QVERIFY(Pressed(*dialog, ids::kSource2));
  for (int id : {ids::kKiesBestand, ids::kSource1, ids::kSource3, ids::kSource4}) QVERIFY(!Pressed(*dialog, id));

  // A search without a word source says so.
  dialog->SetText(ids::kPatternBox, "R..S");
  MessageCatcher messages;
  Click(*dialog, ids::kGaZoeken);
  QCOMPARE(messages.texts, QStringList{"Specificeer woordbestand"});
  QCOMPARE(messages.captions, QStringList{"Fout"});

  WordFolder words(SmallWordList());
  OpenDialog found(words.Folder());
  QCOMPARE(found->windowTitle(), QStringLiteral("Kwintel"));
  Click(*found, ids::kSource1);
  QCOMPARE(found->windowTitle(), QString::fromStdString("Kwintel - " + words.Prefix()));
  QVERIFY(Pressed(*found, ids::kSource1));
}

void MainDialogSourcesTest::CancelInTheChooserLeavesNoWordSource() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());
  MemoryPlatform platform;  // no answer: the user cancels
  dialog->ReplacePlatform(platform);
  Click(*dialog, ids::kSource1);
  const QString title = dialog->windowTitle();

  Click(*dialog, ids::kKiesBestand);
  QCOMPARE(platform.wordFileDialogs, 1);
  QCOMPARE(platform.proposedWordFile, words.Prefix());
  QVERIFY(ChosenPrefix(dialog->Dialog()).empty());
  QCOMPARE(dialog->windowTitle(), title);  // the title still names the old set
  QVERIFY(Pressed(*dialog, ids::kSource1));

  dialog->SetText(ids::kPatternBox, "R..S");
  MessageCatcher messages;
  Click(*dialog, ids::kGaZoeken);
  QCOMPARE(messages.texts, QStringList{"Specificeer woordbestand"});
}

void MainDialogSourcesTest::AChosenWordFileSelectsItsSet() {
  QTemporaryDir empty;
  OpenDialog dialog(empty.path() + QLatin1Char('/'));
  WordFolder words(SmallWordList());
  MemoryPlatform platform;
  platform.wordFileAnswer = words.Prefix() + "05.DOC";
  dialog->ReplacePlatform(platform);

  Click(*dialog, ids::kKiesBestand);
  QCOMPARE(ChosenPrefix(dialog->Dialog()), words.Prefix());
  QCOMPARE(dialog->windowTitle(), QString::fromStdString("Kwintel - " + words.Prefix()));
  for (int id : ids::kSourceButtons) QVERIFY(!Pressed(*dialog, id));
  QVERIFY(!Pressed(*dialog, ids::kKiesBestand));

  dialog->SetText(ids::kPatternBox, "R..S");
  Click(*dialog, ids::kGaZoeken);
  QCOMPARE(ShownLines(*dialog).last(), QStringLiteral("Totaal: 3"));
}

void MainDialogSourcesTest::AFileWithoutExtensionIsRefused() {
  QTemporaryDir empty;
  OpenDialog dialog(empty.path() + QLatin1Char('/'));
  MemoryPlatform platform;
  platform.wordFileAnswer = QFile::encodeName(empty.path()).toStdString() + "/woorden";
  dialog->ReplacePlatform(platform);
  MessageCatcher messages;
  Click(*dialog, ids::kKiesBestand);
  QCOMPARE(messages.texts, QStringList{"Geen woordbestand: woorden"});
  QCOMPARE(messages.captions, QStringList{"Fout"});
  QVERIFY(ChosenPrefix(dialog->Dialog()).empty());
}

void MainDialogSourcesTest::ANewFontReachesPatternBoxAndListOnly() {
  QTemporaryDir empty;
  OpenDialog dialog(empty.path() + QLatin1Char('/'));
  MemoryPlatform platform;
  platform.fontAnswer = FontDescription{"DejaVu Serif", 24, 700, true, false, false};
  dialog->ReplacePlatform(platform);
  const QFont dialogFont = dialog->font();
  const int boxHeight = dialog->PatternBox()->height();

  Click(*dialog, ids::kFont);
  for (QWidget* widget : {static_cast<QWidget*>(dialog->PatternBox()), dialog->Control(ids::kResultList)}) {
    QCOMPARE(widget->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(widget->font().pixelSize(), 24);
    QCOMPARE(widget->font().weight(), QFont::Bold);
    QVERIFY(widget->font().italic());
  }
  QVERIFY(dialog->PatternBox()->height() >= boxHeight);  // the box grows with its font
  QVERIFY(dialog->PatternBox()->geometry().bottom() < dialog->Control(ids::kMax100)->geometry().top());
  QCOMPARE(dialog->Control(ids::kMetFilter)->font(), dialogFont);

  // Cancel changes nothing.
  platform.fontAnswer.reset();
  Click(*dialog, ids::kFont);
  QCOMPARE(dialog->PatternBox()->font().pixelSize(), 24);
}

}  // namespace kwintel::test

QTEST_MAIN(kwintel::test::MainDialogSourcesTest)
#include "main_dialog_sources_test.moc"
