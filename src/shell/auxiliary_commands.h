#pragma once
// The dialog's small commands.

#include "shell/session.h"

namespace kwintel {

void CheckAllLengths(Session& session);    // "Alle"
void ClearAllLengths(Session& session);    // "Geen"
void ToggleWithLength(Session& session);   // "Met lengte"
void ToggleIjOneLetter(Session& session);  // "IJ één letter"
void ChooseResultFont(Session& session);   // "&Font..."
void ShowHelp(Session& session);           // "&Hulp...", F1
void RequestStop(Session& session);        // "&Onderbreek"
void FocusPatternBox(Session& session);    // hidden "Focus", Escape, F2

}  // namespace kwintel
