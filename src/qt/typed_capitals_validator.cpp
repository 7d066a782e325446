#include "qt/typed_capitals_validator.h"

#include "qt/cp1252_qstring.h"
#include "text/text_encoding.h"

namespace kwintel {

QValidator::State TypedCapitalsValidator::validate(QString& input, int& /*pos*/) const {
  if (!IsCp1252Text(input)) return Invalid;
  // Same length in and out, so the cursor position stays where it was.
  input = QStringFromCp1252(CapitaliseTyped(Cp1252FromQString(input)));
  return Acceptable;
}

}  // namespace kwintel
