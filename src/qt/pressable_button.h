#pragma once
// A push button that code can show pressed without a click (the source highlight). The look
// stays until code takes it away; clicks do not change it.

#include <QPushButton>

namespace kwintel {

class PressableButton : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;

  void SetPressedLook(bool on);
  bool HasPressedLook() const { return pressedLook_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool pressedLook_ = false;
};

}  // namespace kwintel
