#pragma once
// What the dialog's controls hold when a command runs: the front end reads its controls into a
// Form and hands it to the command (kwintel-cli fills one from its command line).

#include <string>

#include "engine/search_type.h"

namespace kwintel {

struct Form {
  std::string pattern;  // the pattern box (Windows-1252), as typed
  SearchType type = SearchType::Sequence;
  int maxResults = 100;  // the dialog offers 100, 500, 1000 and 15000; kwintel-cli any number from 1
  Lengths lengths = kAllLengths;
  std::string mustContain;     // "Met:"
  std::string mustNotContain;  // "Zonder:"
};

inline constexpr const char* kTooLongMessage = "Please enter no more than 299 characters.";

}  // namespace kwintel
