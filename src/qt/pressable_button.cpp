#include "qt/pressable_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace kwintel {

void PressableButton::SetPressedLook(bool on) {
  if (pressedLook_ == on) return;
  pressedLook_ = on;
  update();
}

void PressableButton::paintEvent(QPaintEvent* event) {
  if (!pressedLook_) {
    QPushButton::paintEvent(event);
    return;
  }
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  // Drawn as a checked toggle is drawn, so it matches the push-like radios beside it.
  option.state |= QStyle::State_On | QStyle::State_Sunken;
  painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace kwintel
