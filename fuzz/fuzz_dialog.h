#pragma once
// A session held in memory, as the tests have it, with its settings and form filled from an
// input's control lines.

#include <string>
#include <vector>

#include "fuzz_input.h"
#include "shell/session.h"
#include "support/memory_platform.h"
#include "support/memory_result_list.h"
#include "support/memory_view.h"

namespace kwintel::fuzz {

class FuzzDialog {
 public:
  explicit FuzzDialog(const ControlLines& control);
  FuzzDialog(const FuzzDialog&) = delete;
  FuzzDialog& operator=(const FuzzDialog&) = delete;

  // The lines of the result list, and whether a message with this caption was shown.
  std::vector<std::string> Lines() const { return results.Lines(); }
  bool ShowedMessage(std::string_view caption) const;

  MemoryView view;
  MemoryResultList results;
  MemoryPlatform platform;
  Session session{view, results, platform};
  Form form;
};

}  // namespace kwintel::fuzz
