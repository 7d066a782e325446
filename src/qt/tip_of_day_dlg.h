#pragma once
// "Tip van de dag": the modal dialog over a TipOfDay, which holds the tips file and the kept
// state. The dialog only shows the tip object's values and forwards the user's actions to it.

#include <QDialog>
#include <QImage>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace kwintel {

class TipOfDay;

class CTipOfDayDlg : public QDialog {
  Q_OBJECT
 public:
  // tip must outlive the dialog.
  explicit CTipOfDayDlg(TipOfDay& tip, QWidget* parent = nullptr);

  // "&Sluiten" or Enter: the check box's state goes to the tip object, which writes "StartUp".
  // Escape and the close box reject the dialog and write nothing.
  void accept() override;

 protected:
  // The white tip panel with the light bulb and the heading; the controls paint themselves.
  void paintEvent(QPaintEvent* event) override;

 private:
  void NextTip();
  // Check box, tip text and the state of "&Volgende tip" from the tip object.
  void FillControls();

  TipOfDay& tip_;
  QImage bulb_;
  QFrame* panel_;
  QLabel* tipText_;
  QCheckBox* showAtStart_;
  QPushButton* nextTip_;
  QPushButton* close_;
};

}  // namespace kwintel
