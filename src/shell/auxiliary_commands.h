#pragma once
// The dialog's small commands.

#include "ports/font_description.h"
#include "shell/main_dialog.h"

namespace kwintel {

// The font of the pattern box and the result list; replaced by "&Font...".
extern FontDescription resultFont;

void CheckAllLengths(MainDialog& dialog);    // "Alle"
void ClearAllLengths(MainDialog& dialog);    // "Geen"
void ToggleWithLength(MainDialog& dialog);   // "Met lengte"
void ToggleIjOneLetter(MainDialog& dialog);  // "IJ één letter"
void ChooseResultFont(MainDialog& dialog);   // "&Font..."
void ShowHelp(MainDialog& dialog);           // "&Hulp...", F1
void RequestStop(MainDialog& dialog);        // "&Onderbreek"
void FocusPatternBox(MainDialog& dialog);    // hidden "Focus", Escape, F2

}  // namespace kwintel
