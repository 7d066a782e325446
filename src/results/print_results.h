#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "results/print_surface.h"
#include "shell/main_dialog.h"

namespace kwintel {

// "Print": with at least one result line, asks for a printer and prints every line but the
// summary line in newspaper columns with a page header per page. Reports nothing.
void PrintResults(MainDialog& dialog);

}  // namespace kwintel
