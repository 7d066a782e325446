// STUB: to be written.
#include "results/result_commands.h"
namespace kwintel {
void ToggleCase(MainDialog&) {}
void SortResults(MainDialog&) {}
void SortAscending(std::vector<std::string>&, int, int) {}
void SortDescending(std::vector<std::string>&, int, int) {}
void RestoreResults(MainDialog&) {}
}  // namespace kwintel
