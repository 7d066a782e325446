// STUB: to be written.
#include "results/print_results.h"
namespace kwintel {
void PrintResults(MainDialog&) {}
}  // namespace kwintel
