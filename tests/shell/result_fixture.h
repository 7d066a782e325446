#pragma once
// A dialog in memory with fresh program-wide state, for the result commands' tests.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "shell/main_dialog.h"
#include "shell/memory_platform.h"
#include "shell/memory_view.h"
#include "shell/program_state.h"

namespace kwintel {

class ResultFixture : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramWideState(); }

  void Show(std::initializer_list<std::string> lines) {
    view.results.Clear();
    for (const std::string& line : lines) view.results.Append(line);
  }
  std::vector<std::string> Shown() const { return view.results.Lines(); }

  MemoryView view;
  MemoryPlatform platform;
  MainDialog dialog{view, platform};
};

}  // namespace kwintel
