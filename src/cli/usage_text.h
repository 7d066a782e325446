#pragma once
// The texts kwintel-cli prints about its own use (UTF-8).

#include <string_view>

namespace kwintel::cli {

// The short usage, after a usage error on standard error.
std::string_view UsageSummary();

// --help: every option, every action and the search types with one example each.
std::string_view HelpText();

}  // namespace kwintel::cli
