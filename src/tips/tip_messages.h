#pragma once
// How the tip of the day tells the user of trouble: a modal message with an OK button and the
// program's name as caption. The desktop program shows a message box; tests record the texts.

#include <string_view>

namespace kwintel {

class TipMessages {
 public:
  virtual ~TipMessages() = default;
  virtual void ShowMessage(std::string_view text) = 0;
};

}  // namespace kwintel
