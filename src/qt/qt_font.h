#pragma once
// FontDescription to QFont and back. "Fixedsys" stands for the system's fixed-width font.

#include <QFont>

#include "ports/font_description.h"

namespace kwintel {

inline constexpr const char* kSystemFixedFamily = "Fixedsys";

QFont QFontFromDescription(const FontDescription& description);

// The family is kept as UTF-8 (it is only ever handed back to QFontFromDescription); the height
// is the font's pixel size as it would be drawn on the screen.
FontDescription DescriptionFromQFont(const QFont& font);

}  // namespace kwintel
