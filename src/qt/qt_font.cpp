#include "qt/qt_font.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace kwintel {

QFont QFontFromDescription(const FontDescription& description) {
  QFont font = description.family == kSystemFixedFamily ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                                        : QFont(QString::fromStdString(description.family));
  font.setPixelSize(qMax(1, description.pixelHeight));
  // Qt's weights use the same 100-900 scale.
  font.setWeight(static_cast<QFont::Weight>(qBound(1, description.weight, 1000)));
  font.setItalic(description.italic);
  font.setUnderline(description.underline);
  font.setStrikeOut(description.strikeOut);
  return font;
}

FontDescription DescriptionFromQFont(const QFont& font) {
  FontDescription description;
  description.family = font.family().toStdString();
  description.pixelHeight = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
  description.weight = font.weight();
  description.italic = font.italic();
  description.underline = font.underline();
  description.strikeOut = font.strikeOut();
  return description;
}

}  // namespace kwintel
