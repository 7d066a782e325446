#pragma once
// Windows-1252 bytes, as the logic holds every control text, to and from QString.

#include <QString>

#include <string>
#include <string_view>

namespace kwintel {

QString QStringFromCp1252(std::string_view bytes);

// Characters without a Windows-1252 form become '?'; the controls that take typed text refuse
// such characters beforehand (TypedCapitalsValidator), so this is for the rare text set by the
// platform (a font name, a pasted title).
std::string Cp1252FromQString(const QString& text);

// Whether every character of text has a Windows-1252 form.
bool IsCp1252Text(const QString& text);

}  // namespace kwintel
