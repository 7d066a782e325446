#pragma once
// The tip of the day's messages as modal message boxes: warning icon, OK, the program's name as
// caption.

#include "tips/tip_messages.h"

namespace kwintel {

class MessageBoxTipMessages : public TipMessages {
 public:
  void ShowMessage(std::string_view text) override;
};

}  // namespace kwintel
