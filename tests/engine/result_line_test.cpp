// How a found word becomes a result line, and which lines reach the list.

#include "engine/result_line.h"

#include <gtest/gtest.h>

#include "results/result_state.h"
#include "shell/memory_platform.h"
#include "shell/memory_view.h"
#include "shell/program_state.h"

namespace kwintel {
namespace {

struct DecorationRow {
  SearchType type;
  const char* remainder;
  char missingLetter;
  int upperCase;
  const char* line;
};

TEST(BuildResultLine, DecoratesByTypeAndConvertsTheWholeLine) {
  const DecorationRow rows[] = {
      {SearchType::Anagram, "TER", 0, 1, "ROOSTER - TER"},
      {SearchType::Subset, "T", 0, 1, "ROOSTER + T"},
      {SearchType::AnagramMinusOne, "KT", 'S', 1, "ROOSTER - KT + ST"},
      {SearchType::Anagram, "", 0, 1, "ROOSTER"},
      {SearchType::Sequence, "TER", 0, 1, "ROOSTER"},  // a stale remainder decorates no other type
      {SearchType::Telephone, "TER", 0, 1, "ROOSTER"},
      {SearchType::Anagram, "TER", 0, 0, "rooster - ter"},
      {SearchType::AnagramMinusOne, "K", 'S', 0, "rooster - k + s"},
  };
  for (const DecorationRow& row : rows) {
    SCOPED_TRACE(row.line);
    matchState.remainder = row.remainder;
    matchState.missingLetter = row.missingLetter;
    upperCaseMode = row.upperCase;
    std::string line = "left over from the last line, longer than this one";
    BuildResultLine(row.type, "ROOSTER", line);
    EXPECT_EQ(line, row.line);
  }
  upperCaseMode = 1;
  matchState.remainder.clear();
  std::string line;
  BuildResultLine(SearchType::Sequence, "CAF\xC9", line);
  EXPECT_EQ(line, "CAF\xC9") << "only ASCII letters change case";
}

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
    const std::vector<std::string> expected = row.shown ? std::vector<std::string>{row.shown}
                                                        : std::vector<std::string>{};
    EXPECT_EQ(view.results.Lines(), expected);
    EXPECT_EQ(dialog.resultBackup.Strings(), expected);
    EXPECT_EQ(searchRunState.resultCount, row.shown ? 1 : 0);
  }
}

}  // namespace
}  // namespace kwintel
