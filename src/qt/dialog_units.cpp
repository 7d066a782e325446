#include "qt/dialog_units.h"

#include <QFontMetrics>

namespace kwintel {

DialogUnits::DialogUnits(const QFont& dialogFont) {
  const QFontMetrics metrics(dialogFont);
  // The average width over the 52 letters, rounded; the measure the dialog units were made for.
  const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  averageCharWidth_ = qMax(1, (letters / 26 + 1) / 2);
  lineHeight_ = qMax(1, metrics.height());
}

}  // namespace kwintel
