#pragma once
// A main dialog held in memory, as kwintel-cli and the tests have it, with the program-wide state
// put back to its start values and the form filled from an input's control lines.

#include <string>
#include <vector>

#include "fuzz_input.h"
#include "shell/main_dialog.h"
#include "shell/memory_platform.h"
#include "shell/memory_view.h"

namespace kwintel::fuzz {

class FuzzDialog {
 public:
  explicit FuzzDialog(const ControlLines& control);
  FuzzDialog(const FuzzDialog&) = delete;
  FuzzDialog& operator=(const FuzzDialog&) = delete;

  // The lines of the result list, and whether a message with this caption was shown.
  std::vector<std::string> Lines() const { return view.results.Lines(); }
  bool ShowedMessage(std::string_view caption) const;

  MemoryView view;
  MemoryPlatform platform;
  MainDialog dialog{view, platform};
  int maxResults = 100;
};

}  // namespace kwintel::fuzz
