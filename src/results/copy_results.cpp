// STUB: to be written.
#include "results/copy_results.h"
namespace kwintel {
void CopyResults(MainDialog&) {}
}  // namespace kwintel
