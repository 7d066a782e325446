#pragma once
// "&Ga zoeken": the search over the word files.

#include "shell/main_dialog.h"

namespace kwintel {

// Reads the form, prepares and compiles the pattern, scans the word files of the selected lengths
// shortest first, and ends the list with its summary line.
void RunSearch(MainDialog& dialog);

// Lets the front end handle pending input (the view's pump).
void PumpMessages(MainDialog& dialog);

}  // namespace kwintel
