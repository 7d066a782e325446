#pragma once
// The printed form of the result list: newspaper columns, page breaks and page headers, drawn on
// any PrintSurface.

#include <ctime>
#include <functional>
#include <string>
#include <string_view>

#include "ports/print_surface.h"
#include "ports/result_list.h"

namespace kwintel {

inline constexpr const char* kPrintJobName = "Woordenzoekprogramma";

// "ZARVO Uit <prefix> op D-M-YYYY HH:MM:SS, pagina N" with the hour padded by a blank and minute
// and second by a zero. `prefixShown` is Windows-1252 text, ready to show.
std::string FormatPageHeader(std::string_view prefixShown, const std::tm& time, int page);

// Prints every line of `list` but the last as one job "Woordenzoekprogramma" on `surface`, in
// device units: columns of lines from y 150 down to the bottom limit (height - 300), side by side
// from x 150 with 30 units beside the widest line of the page so far, a new page when a line would
// end right of width - 75. Each page begins with its header at (150, 75), the time taken from
// `localTimeNow` as the page begins. A line too wide for any page is drawn whole at the left edge
// of a new page; every line is drawn once, so the job ends whatever the surface measures.
// Cost: one measure and one draw per line.
void PrintResultLines(PrintSurface& surface, const ResultList& list, std::string_view prefixShown,
                      const std::function<std::tm()>& localTimeNow);

}  // namespace kwintel
