// The main dialog as it opens: the state of its controls, its layout and tab order, the word-file
// set it finds, and what its text controls do with typed and set text.

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>

#include "dialog_test_support.h"
#include "engine/search_type.h"
#include "qt/group_frame.h"
#include "qt/pressable_button.h"
#include "shell/word_file_sources.h"
#include "text/text_encoding.h"

namespace kwintel::test {

class MainDialogInitialTest : public QObject {
  Q_OBJECT
 private slots:
  void OpensWithTheInitialForm();
  void WithoutAWordFileSetAllFourSourcesShow();
  void ControlsLieInsideTheFixedSizeDialogInTabOrder();
  void TypedLettersBecomeCapitals();
  void TextOutsideTheCharacterSetIsRefused();
  void EveryByteSurvivesTheControls();
  void HistoryEntriesKeepTheTextBeingEdited();
};

void MainDialogInitialTest::OpensWithTheInitialForm() {
  WordFolder words(SmallWordList());
  OpenDialog dialog(words.Folder());

  for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
    QVERIFY2(dialog->IsChecked(ids::LengthToggleId(length)), qPrintable(QString::number(length)));
  }
  QVERIFY(dialog->IsChecked(ids::kVolgorde));
  for (const SearchTypeRadio& radio : kSearchTypeRadios)
    QCOMPARE(dialog->IsChecked(radio.id), radio.id == ids::kVolgorde);
  for (const MaxResultsRadio& radio : kMaxResultsRadios)
    QCOMPARE(dialog->IsChecked(radio.id), radio.id == ids::kMax100);
  QVERIFY(ControlOf<QCheckBox>(*dialog, ids::kIjEenLetter)->isChecked());
  QVERIFY(!ControlOf<QCheckBox>(*dialog, ids::kMetLengte)->isChecked());
  QCOMPARE(dialog->PatternBox()->currentText(), QString());
  QCOMPARE(dialog->PatternBox()->count(), 0);
  QVERIFY(dialog->PatternBox()->hasFocus());
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Kwintel"));
  QVERIFY(!dialog->windowIcon().isNull());
  QCOMPARE(dialog->ResultListWidget()->Count(), 0);
  QCOMPARE(ControlOf<QProgressBar>(*dialog, ids::kProgress)->value(), 0);

  // The set beside the "executable" is found: source 1 names it and is pressed, the rest hide.
  auto* source1 = ControlOf<PressableButton>(*dialog, ids::kSource1);
  QCOMPARE(source1->text(), QStringLiteral("tw"));
  QVERIFY(source1->HasPressedLook());
  QVERIFY(!source1->isChecked());
  for (int id : {ids::kSource2, ids::kSource3, ids::kSource4}) QVERIFY(dialog->Control(id)->isHidden());
  QCOMPARE(ChosenPrefix(dialog->Dialog()), words.Prefix());
  // The template hides the clipboard carrier and the "Focus" button.
  QVERIFY(dialog->Control(ids::kClipboardCarrier)->isHidden());
  QVERIFY(dialog->Control(ids::kFocus)->isHidden());

  // The result font is on the pattern box and the list, a fixed-width face 17 pixels high; the
  // filter edits keep the dialog font.
  for (QWidget* widget : {static_cast<QWidget*>(dialog->PatternBox()), dialog->Control(ids::kResultList)}) {
    QCOMPARE(widget->font().pixelSize(), 17);
    const QFontMetrics metrics(widget->font());
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
  }
  QCOMPARE(dialog->Control(ids::kMetFilter)->font(), dialog->font());
}

void MainDialogInitialTest::WithoutAWordFileSetAllFourSourcesShow() {
  QTemporaryDir empty;
  OpenDialog dialog(empty.path() + QLatin1Char('/'));
  for (int slot = 0; slot < 4; ++slot) {
    auto* button = ControlOf<PressableButton>(*dialog, ids::kSourceButtons[static_cast<size_t>(slot)]);
    QVERIFY(!button->isHidden());
    QCOMPARE(button->text(), QStringLiteral("Woorden(%1)").arg(slot + 1));
    QCOMPARE(button->HasPressedLook(), slot == 0);
  }
  QVERIFY(ChosenPrefix(dialog->Dialog()).empty());
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Kwintel"));
}

void MainDialogInitialTest::ControlsLieInsideTheFixedSizeDialogInTabOrder() {
  QTemporaryDir empty;
  OpenDialog dialog(empty.path() + QLatin1Char('/'));
  QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
  QVERIFY(!(dialog->windowFlags() & Qt::WindowMaximizeButtonHint));

  const QRect inside = dialog->rect();
  for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow() || child->isHidden()) continue;
    QVERIFY2(inside.contains(child->geometry()),
             qPrintable(child->objectName() + QLatin1Char(' ') + child->metaObject()->className()));
  }
  // Group boxes are drawn behind the controls and let clicks through to them.
  const QList<GroupFrame*> frames = dialog->findChildren<GroupFrame*>();
  QCOMPARE(frames.size(), 6);
  for (GroupFrame* frame : frames) QVERIFY(frame->testAttribute(Qt::WA_TransparentForMouseEvents));

  // Tab from the pattern box visits the controls in template order; "Alle" and "Geen" are skipped.
  const int expected[] = {ids::kPatternBox, ids::kMax100,     ids::kMax500,      ids::kMax1000, ids::kMax15000,
                          ids::kHoofdKlein, ids::kKopieer,    ids::kPrint,       ids::kSorteer, ids::kResultList,
                          ids::kGaZoeken,   ids::kDoorzoeken, ids::kKiesBestand, ids::kSource1, ids::kSource2};
  QWidget* widget = dialog->PatternBox();
  for (size_t i = 1; i < std::size(expected); ++i) {
    do {
      widget = widget->nextInFocusChain();
    } while (widget->parentWidget() != dialog.get() || !(widget->focusPolicy() & Qt::TabFocus) || widget->isHidden());
    QCOMPARE(widget, dialog->Control(expected[i]));
  }
  QVERIFY(!(dialog->Control(ids::kAlle)->focusPolicy() & Qt::TabFocus));
  QVERIFY(!(dialog->Control(ids::kGeen)->focusPolicy() & Qt::TabFocus));
}

void MainDialogInitialTest::TypedLettersBecomeCapitals() {
  QTemporaryDir empty;
  OpenDialog dialog(empty.path() + QLatin1Char('/'));
  TypeText(QStringLiteral("r..s é"));
  QCOMPARE(dialog->PatternBox()->currentText(), QStringLiteral("R..S É"));
  QCOMPARE(TextOf(*dialog, ids::kPatternBox), std::string("R..S \xC9"));

  for (int id : {ids::kMetFilter, ids::kZonderFilter}) {
    auto* edit = ControlOf<QLineEdit>(*dialog, id);
    edit->setFocus();
    TypeText(QStringLiteral("abß"));
    QCOMPARE(edit->text(), QStringLiteral("ABß"));  // ß has no capital of its own
  }
}

void MainDialogInitialTest::TextOutsideTheCharacterSetIsRefused() {
  QTemporaryDir empty;
  OpenDialog dialog(empty.path() + QLatin1Char('/'));
  TypeText(QStringLiteral("ab"));
  TypeText(QStringLiteral("\u0142"));  // ł: no Windows-1252 form
  QCOMPARE(dialog->PatternBox()->currentText(), QStringLiteral("AB"));
  TypeText(QStringLiteral("c"));
  QCOMPARE(dialog->PatternBox()->currentText(), QStringLiteral("ABC"));
}

void MainDialogInitialTest::EveryByteSurvivesTheControls() {
  QTemporaryDir empty;
  OpenDialog dialog(empty.path() + QLatin1Char('/'));
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  // The capitalising controls capitalise set text as they do typed text; nothing else changes.
  for (int id : {ids::kPatternBox, ids::kMetFilter, ids::kZonderFilter}) {
    dialog->SetText(id, all);
    QCOMPARE(TextOf(*dialog, id), CapitaliseTyped(all));
  }
  dialog->SetText(ids::kHoofdKlein, all);
  QCOMPARE(TextOf(*dialog, ids::kHoofdKlein), all);
  // The bytes where Windows-1252 and Latin-1 differ show as their Windows-1252 characters.
  dialog->SetText(ids::kMetFilter, "\x80\x8A\x9F");
  QCOMPARE(ControlOf<QLineEdit>(*dialog, ids::kMetFilter)->text(), QStringLiteral("\u20AC\u0160\u0178"));
}

void MainDialogInitialTest::HistoryEntriesKeepTheTextBeingEdited() {
  QTemporaryDir empty;
  OpenDialog dialog(empty.path() + QLatin1Char('/'));
  TypeText(QStringLiteral("zon"));
  PatternHistory& history = dialog->Dialog().history;
  for (const char* text : {"ROOS", "AAP", "MAAN"}) dialog->InsertHistory(history.Add(text), text);
  QCOMPARE(dialog->PatternBox()->currentText(), QStringLiteral("ZON"));
  const QStringList expected = {QStringLiteral("AAP"), QStringLiteral("MAAN"), QStringLiteral("ROOS")};
  QStringList items;
  for (int i = 0; i < dialog->PatternBox()->count(); ++i) items << dialog->PatternBox()->itemText(i);
  QCOMPARE(items, expected);
  QCOMPARE(history.Find("ma"), 1);
  QCOMPARE(history.Find("X"), -1);
}

}  // namespace kwintel::test

QTEST_MAIN(kwintel::test::MainDialogInitialTest)
#include "main_dialog_initial_test.moc"
