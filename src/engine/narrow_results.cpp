// STUB: to be written.
#include "engine/narrow_results.h"
namespace kwintel {
void NarrowResults(MainDialog&) {}
void StripLengthPrefix(std::string&) {}
}  // namespace kwintel
