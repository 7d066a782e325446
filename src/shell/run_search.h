#pragma once
// "&Ga zoeken": the search over the word files.

#include "shell/session.h"

namespace kwintel {

// Takes the form, compiles the pattern, searches the session's word files of the checked lengths
// shortest first, and ends the list with its summary line. With "Gangbaar" and the set's counts,
// the lines of the most common words come first; Wordfeud and Scrabble lines come best score first.
void RunSearch(Session& session, const Form& form);

}  // namespace kwintel
