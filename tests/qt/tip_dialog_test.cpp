// The tip dialog's wiring: its controls show the tip object's state, and its buttons and keys
// reach the tip object (or, for Escape, do not).

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <optional>

#include "qt/tip_of_day_dlg.h"
#include "shell/memory_settings_store.h"
#include "tips/tip_messages.h"
#include "tips/tip_of_day.h"

namespace kwintel {

class NoMessages : public TipMessages {
 public:
  void ShowMessage(std::string_view) override { ++count; }
  int count = 0;
};

class TipDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_.emplace();
    QVERIFY(folder_->isValid());
    tipsPath_ = folder_->filePath("tips.txt").toStdString();
    std::ofstream(tipsPath_, std::ios::binary) << "; opmerking\nEén\nTwee\n\nDrie & meer\n";
    profile_ = MemorySettingsStore();
  }

  void showsTheTemplatesTextsAndTheFirstTip() {
    TipOfDay tip(profile_, messages_, tipsPath_);
    CTipOfDayDlg dialog(tip);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tip van de dag"));
    QCOMPARE(Label(dialog)->text(), QStringLiteral("Eén"));
    QCOMPARE(Box(dialog)->text(), QStringLiteral("&Toon tips bij start"));
    QVERIFY(Box(dialog)->isChecked());
    QCOMPARE(Next(dialog)->text(), QStringLiteral("&Volgende tip"));
    QVERIFY(Next(dialog)->isEnabled());
    QCOMPARE(Close(dialog)->text(), QStringLiteral("&Sluiten"));
    QVERIFY(Close(dialog)->isDefault());
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    // The template's proportions: 231 x 164 dialog units, the buttons side by side at the bottom.
    QVERIFY(Next(dialog)->geometry().right() < Close(dialog)->geometry().left());
    QVERIFY(Label(dialog)->geometry().bottom() < Close(dialog)->geometry().top());
  }

  void nextTipShowsTheNextTipAndUndoesAnUnconfirmedUncheck() {
    TipOfDay tip(profile_, messages_, tipsPath_);
    CTipOfDayDlg dialog(tip);
    Box(dialog)->setChecked(false);
    QTest::mouseClick(Next(dialog), Qt::LeftButton);
    QCOMPARE(Label(dialog)->text(), QStringLiteral("Twee"));
    QVERIFY(Box(dialog)->isChecked());
    QTest::mouseClick(Next(dialog), Qt::LeftButton);
    QCOMPARE(Label(dialog)->text(), QStringLiteral("Drie & meer"));
    QTest::mouseClick(Next(dialog), Qt::LeftButton);
    QCOMPARE(Label(dialog)->text(), QStringLiteral("Eén"));
    QCOMPARE(profile_.Find("Tip", "StartUp"), std::nullopt);
  }

  void sluitenKeepsTheCheckBoxState() {
    {
      TipOfDay tip(profile_, messages_, tipsPath_);
      CTipOfDayDlg dialog(tip);
      Box(dialog)->setChecked(false);
      QTest::mouseClick(Close(dialog), Qt::LeftButton);
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QVERIFY(!tip.ShowAtStart());
    }
    QCOMPARE(profile_.Find("Tip", "StartUp"), std::optional<std::string>("1"));
    TipOfDay tip(profile_, messages_, tipsPath_);
    CTipOfDayDlg dialog(tip);
    dialog.show();
    QVERIFY(!Box(dialog)->isChecked());
    Box(dialog)->setChecked(true);
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(profile_.Find("Tip", "StartUp"), std::optional<std::string>("0"));
  }

  void escapeAndTheCloseBoxWriteNothing() {
    TipOfDay tip(profile_, messages_, tipsPath_);
    {
      CTipOfDayDlg dialog(tip);
      dialog.show();
      Box(dialog)->setChecked(false);
      QTest::keyClick(&dialog, Qt::Key_Escape);
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
      QVERIFY(dialog.isHidden());
    }
    {
      CTipOfDayDlg dialog(tip);
      dialog.show();
      Box(dialog)->setChecked(false);
      dialog.close();
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QVERIFY(tip.ShowAtStart());
    QCOMPARE(profile_.Find("Tip", "StartUp"), std::nullopt);
  }

  void aMissingTipsFileDisablesNextTip() {
    TipOfDay tip(profile_, messages_, folder_->filePath("geen.txt").toStdString());
    CTipOfDayDlg dialog(tip);
    QCOMPARE(Label(dialog)->text(), QStringLiteral("Tips file does not exist in the prescribed directory"));
    QVERIFY(!Next(dialog)->isEnabled());
  }

  void windows1252TipsAreShownToo() {
    std::ofstream(tipsPath_, std::ios::binary | std::ios::trunc) << "Caf\xE9 en \x80\n";
    TipOfDay tip(profile_, messages_, tipsPath_);
    CTipOfDayDlg dialog(tip);
    QCOMPARE(Label(dialog)->text(), QStringLiteral("Café en €"));
  }

  void thePanelIsWhiteWithTheBulbInItsCorner() {
    TipOfDay tip(profile_, messages_, tipsPath_);
    CTipOfDayDlg dialog(tip);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage shot = dialog.grab().toImage();
    const QRect panel = dialog.findChild<QWidget*>("tipPanel")->geometry();
    const qreal ratio = shot.devicePixelRatio();
    auto pixel = [&](int x, int y) { return QColor(shot.pixel(int(x * ratio), int(y * ratio))); };
    // Right of the heading, above the tip: plain white panel.
    QCOMPARE(pixel(panel.right() - 6, panel.top() + 60).rgb() & 0xFFFFFF, 0xFFFFFFu);
    // The bulb's glass, yellow, near the panel's top left corner.
    QColor glass = pixel(panel.left() + 12, panel.top() + 22);
    QVERIFY2(glass.red() > 200 && glass.green() > 150 && glass.blue() < 120, qPrintable(glass.name()));
  }

 private:
  static QLabel* Label(QDialog& d) { return d.findChild<QLabel*>("tipText"); }
  static QCheckBox* Box(QDialog& d) { return d.findChild<QCheckBox*>("showAtStart"); }
  static QPushButton* Next(QDialog& d) { return d.findChild<QPushButton*>("nextTip"); }
  static QPushButton* Close(QDialog& d) { return d.findChild<QPushButton*>("close"); }

  std::optional<QTemporaryDir> folder_;
  std::string tipsPath_;
  MemorySettingsStore profile_;
  NoMessages messages_;
};

}  // namespace kwintel

QTEST_MAIN(kwintel::TipDialogTest)
#include "tip_dialog_test.moc"
