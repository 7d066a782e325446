#pragma once
// "&Doorzoeken": narrows the listed result lines with the current pattern and search type.

#include <string>

#include "shell/main_dialog.h"

namespace kwintel {

void NarrowResults(MainDialog& dialog);

// Removes the length number that AddResultLine puts before a line: when the first '.' stands at
// index 0..3 and the second character is a digit, the text from two characters after that '.'
// replaces the whole text.
void StripLengthPrefix(std::string& text);

}  // namespace kwintel
