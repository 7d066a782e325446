#pragma once
// The text that "Kopieer" puts on the clipboard.

#include <string>

#include "ports/result_list.h"

namespace kwintel {

// The selected lines in list order, each followed by "\n"; empty with none selected. Throws
// std::bad_alloc when the text does not fit in memory.
std::string SelectedLinesText(const ResultList& list);

}  // namespace kwintel
