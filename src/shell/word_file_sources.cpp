// STUB: to be written.
#include "shell/word_file_sources.h"
namespace kwintel {
std::string wordFilePrefix;
std::array<WordSourceSlot, 4> sourceSlots = {{{"Woorden(1)", ""}, {"Woorden(2)", ""}, {"Woorden(3)", ""}, {"Woorden(4)", ""}}};
void DiscoverWordFiles(MainDialog&, const std::string&) {}
void SelectWordSource(MainDialog&, int) {}
void ChooseWordFile(MainDialog&) {}
std::string ExecutableFolder() { return "./"; }
}  // namespace kwintel
