#include "qt/cp1252_qstring.h"

#include "text/text_encoding.h"

namespace kwintel {

QString QStringFromCp1252(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes) {
    // Every Windows-1252 code point lies in the Basic Multilingual Plane: one UTF-16 unit.
    text += QChar(static_cast<char16_t>(Cp1252ToCodePoint(static_cast<unsigned char>(c))));
  }
  return text;
}

std::string Cp1252FromQString(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (QChar c : text) {
    const auto byte = c.isSurrogate() ? std::nullopt : CodePointToCp1252(c.unicode());
    if (byte) {
      bytes += static_cast<char>(*byte);
    } else if (!c.isLowSurrogate()) {  // a pair stands for one character: one '?'
      bytes += '?';
    }
  }
  return bytes;
}

bool IsCp1252Text(const QString& text) {
  for (QChar c : text) {
    if (c.isSurrogate() || !CodePointToCp1252(c.unicode())) return false;
  }
  return true;
}

}  // namespace kwintel
