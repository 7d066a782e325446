#include "shell/startup_switches.h"

#include <string_view>

#include "shell/text_encoding.h"

namespace kwintel {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool TipSuppressedBySwitches(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument.empty() || (argument[0] != '/' && argument[0] != '-')) continue;
    std::string_view name = std::string_view(argument).substr(1);
    if (EqualsIgnoringCase(name, "Embedding") || EqualsIgnoringCase(name, "Automation")) {
      return true;
    }
  }
  return false;
}

}  // namespace kwintel
