#pragma once
// The command line of the desktop program. Only two switches mean anything: "Embedding" and
// "Automation", each after '/' or '-', letter case ignored; either suppresses the tip of the day.

#include <string>
#include <vector>

namespace kwintel {

// True when any of the arguments (the program's name not included) is one of the two switches.
// Other arguments have no effect.
bool TipSuppressedBySwitches(const std::vector<std::string>& arguments);

}  // namespace kwintel
