#pragma once
// "Vorige": the list brought back from the kept lines of the last search.

#include "ports/result_list.h"
#include "text/line_store.h"

namespace kwintel {

// Replaces the list by the lines of `backup`, then "%d regels hersteld".
void RestoreResultLines(ResultList& list, const LineStore& backup);

}  // namespace kwintel
