// STUB: to be written.
#include "engine/run_search.h"
namespace kwintel {
void RunSearch(MainDialog&) {}
bool PassesResultFilter(const MainDialog&, std::string_view) { return true; }
void AddResultLine(MainDialog&, std::string_view, int, bool) {}
void PumpMessages(MainDialog& dialog) { dialog.view.PumpMessages(); }
std::string WordFileName(const std::string& prefix, int) { return prefix; }
}  // namespace kwintel
