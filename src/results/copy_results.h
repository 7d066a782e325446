#pragma once

#include <string>

#include "shell/main_dialog.h"

namespace kwintel {

// "Kopieer": with at least one line selected, the selected lines in list order, each followed by
// "\n", go to the clipboard, and WriteForm brings back the form of the last search. With none
// selected nothing happens. Without memory for the text: "Onvoldoende geheugen" / "Oei".
void CopyResults(MainDialog& dialog);

}  // namespace kwintel
