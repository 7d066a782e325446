#include "shell/common_words.h"

#include "ports/control_ids.h"

namespace kwintel {

void ToggleCommon(Session& session) {
  session.common = 1 - session.common;
  session.view.SetChecked(ids::kGangbaar, session.common != 0);
}

void ShowCommonAvailability(Session& session) {
  const bool available = session.wordFiles && session.wordFiles->HasCountsFile();
  if (!available && session.common) ToggleCommon(session);
  session.view.SetEnabled(ids::kGangbaar, available);
}

}  // namespace kwintel
