#pragma once
// What the pattern box and the filter edits do to their text, typed or set: letters become
// capitals (CapitaliseTyped), and a character the program's character set cannot hold is
// refused, so that nothing typed is silently changed into something else.

#include <QValidator>

namespace kwintel {

class TypedCapitalsValidator : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

}  // namespace kwintel
