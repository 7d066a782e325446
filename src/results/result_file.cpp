// STUB: to be written.
#include "results/result_file.h"
namespace kwintel {
void WriteResultFile(MainDialog&) {}
std::optional<std::string> WriteResultFileTo(MainDialog&, const std::string&) { return "not written"; }
}  // namespace kwintel
