#pragma once
// Dialog units: the measure the dialog's layout is written in, converted through the dialog font
// (a horizontal unit is a quarter of the font's average character width, a vertical unit an
// eighth of its line height), so the layout grows and shrinks with the font.

#include <QFont>
#include <QRect>

namespace kwintel {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& dialogFont);

  int X(int units) const { return Scale(units, averageCharWidth_, 4); }
  int Y(int units) const { return Scale(units, lineHeight_, 8); }
  // Converts the corners, not the size, so that neighbours that touch in dialog units also touch
  // in pixels.
  QRect Rect(int x, int y, int width, int height) const {
    return QRect(QPoint(X(x), Y(y)), QPoint(X(x + width) - 1, Y(y + height) - 1));
  }

  int AverageCharWidth() const { return averageCharWidth_; }
  int LineHeight() const { return lineHeight_; }

 private:
  // units * size / divisor, rounded to the nearest pixel.
  static int Scale(int units, int size, int divisor) { return (units * size + divisor / 2) / divisor; }

  int averageCharWidth_;
  int lineHeight_;
};

}  // namespace kwintel
