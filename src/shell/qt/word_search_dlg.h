#pragma once
// STUB: to be written.
#include <QDialog>

namespace kwintel {

class CWordSearchDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CWordSearchDlg(QWidget* parent = nullptr) : QDialog(parent) {}
};

}  // namespace kwintel
