// Which found words' lines reach the list, and how they look there.

#include "shell/add_result_line.h"

#include <gtest/gtest.h>

#include "shell/memory_platform.h"
#include "shell/memory_view.h"
#include "shell/program_state.h"

namespace kwintel {
namespace {

struct AppendRow {
  int withLength;
  int ijOneLetter;
  const char* text;
  int length;
  const char* shown;  // nullptr: dropped
};

TEST(AppendResultLine, PrefixesTheLengthAndDropsIjLines) {
  const AppendRow rows[] = {
      {0, 1, "HALLO", 5, "HALLO"},
      {1, 1, "HALLO", 5, " 5. HALLO"},
      {1, 1, "KAMERPLANTEN", 12, "12. KAMERPLANTEN"},
      {1, 1, "ROOSTER - TER", 7, " 7. ROOSTER - TER"},  // the number is the caller's
      {1, 1, "", 0, " 0. "},
      {1, 1, "A", 120, "120. A"},
      {0, 1, "IJS", 3, nullptr},
      {0, 1, "ijs", 3, nullptr},
      {0, 1, "ROOK - K + IJ", 4, nullptr},  // the decoration counts too
      {0, 1, "iJS", 3, "iJS"},              // only the forms IJ and ij
      {0, 0, "IJS", 3, "IJS"},
  };
  for (const AppendRow& row : rows) {
    SCOPED_TRACE(row.text);
    ResetProgramWideState();
    MemoryView view;
    MemoryPlatform platform;
    MainDialog dialog(view, platform);
    dialog.withLength = row.withLength;
    dialog.ijOneLetter = row.ijOneLetter;
    std::string shown;
    const auto line = AppendResultLine(dialog, row.text, row.length, true, shown);
    ASSERT_EQ(line.has_value(), row.shown != nullptr);
    if (line) {
      EXPECT_EQ(*line, row.shown);
    }
    const std::vector<std::string> expected =
        row.shown ? std::vector<std::string>{row.shown} : std::vector<std::string>{};
    EXPECT_EQ(view.results.Lines(), expected);
    EXPECT_EQ(dialog.resultBackup.Strings(), expected);
    EXPECT_EQ(searchRunState.resultCount, row.shown ? 1 : 0);
  }
}

}  // namespace
}  // namespace kwintel
