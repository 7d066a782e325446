#include "tips/startup_switches.h"

#include <string_view>

#include "text/text_encoding.h"

namespace kwintel {

bool TipSuppressedBySwitches(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument.empty() || (argument[0] != '/' && argument[0] != '-')) continue;
    std::string_view name = std::string_view(argument).substr(1);
    if (EqualsIgnoringAsciiCase(name, "Embedding") || EqualsIgnoringAsciiCase(name, "Automation")) {
      return true;
    }
  }
  return false;
}

}  // namespace kwintel
