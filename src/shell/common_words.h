#pragma once
// "Gangbaar": the box that ranks a search by the counts of the chosen set.

#include "shell/session.h"

namespace kwintel {

// "Gangbaar": flips the ranking by counts and the box's state.
void ToggleCommon(Session& session);

// Enables "Gangbaar" when the chosen set has a counts file; without one the box is disabled and
// off. Looks only for the file: its counts are read by the first search that ranks by them.
void ShowCommonAvailability(Session& session);

}  // namespace kwintel
