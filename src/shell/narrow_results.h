#pragma once
// "&Doorzoeken": narrows the listed result lines with the form's pattern and search type.

#include <string>

#include "shell/session.h"

namespace kwintel {

void NarrowResults(Session& session, const Form& form);

// Removes the length number that "Met lengte" puts before a line: when the first '.' stands at
// index 0..3 and the second character is a digit, the text from two characters after that '.'
// replaces the whole text.
void StripLengthPrefix(std::string& text);

}  // namespace kwintel
