#pragma once
// A group box as the dialog template means it: a frame with its title set into the top line,
// drawn behind the controls it surrounds and letting their clicks through. (QGroupBox puts the
// frame below the title, where it would run into the template's first row of controls.)

#include <QString>
#include <QWidget>

namespace kwintel {

class GroupFrame : public QWidget {
  Q_OBJECT
 public:
  GroupFrame(const QString& title, QWidget* parent);

  QString Title() const { return title_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
};

}  // namespace kwintel
