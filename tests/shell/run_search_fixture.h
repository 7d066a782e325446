#pragma once
// A main dialog in memory, set up as the dialog starts (all lengths, "Volgorde", "100",
// "IJ één letter" on), with a word-file prefix in a temporary folder.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/engine_types.h"
#include "engine/search_types.h"
#include "engine/word_file_name.h"
#include "ports/control_ids.h"
#include "shell/auxiliary_commands.h"
#include "shell/memory_platform.h"
#include "shell/memory_view.h"
#include "shell/program_state.h"
#include "shell/run_search.h"
#include "shell/word_file_sources.h"
#include "word_file_fixture.h"

namespace kwintel::testing_support {

using Lines = std::vector<std::string>;

// "AAAA", "AAAB", ...: `count` distinct four-letter words in ascending order.
inline Lines FourLetterWords(int count) {
  Lines words;
  for (int n = 0; n < count; ++n) {
    std::string word(4, 'A');
    for (int i = 3, rest = n; i >= 0; --i, rest /= 26)
      word[static_cast<std::size_t>(i)] = static_cast<char>('A' + rest % 26);
    words.push_back(word);
  }
  return words;
}

inline std::string JoinLines(const Lines& words) {
  std::string bytes;
  for (const std::string& word : words) bytes += word + "\n";
  return bytes;
}

class DialogFixture : public ::testing::Test {
 protected:
  DialogFixture() {
    ResetProgramWideState();
    CheckAllLengths(dialog);
    view.CheckRadio(ids::kVolgorde, ids::kTelefoon, ids::kVolgorde);
    view.CheckRadio(ids::kMax100, ids::kMax15000, ids::kMax100);
    view.SetChecked(ids::kIjEenLetter, true);
    prefix = folder.Path() + "/w";
    wordFilePrefix = prefix;
  }
  ~DialogFixture() override { ResetProgramWideState(); }

  // Writes the word file of `length` under the prefix.
  void WriteWords(int length, std::string_view bytes) { folder.Write(WordFileName("w", length), bytes); }

  void SetType(SearchType type) { view.CheckRadio(ids::kVolgorde, ids::kTelefoon, FindSearchType(type)->radioId); }
  void SelectLengths(std::initializer_list<int> lengths) {
    ClearAllLengths(dialog);
    for (const int length : lengths) view.SetChecked(ids::LengthToggleId(length), true);
  }
  void Search(const std::string& pattern, SearchType type = SearchType::Sequence) {
    view.SetText(ids::kPatternBox, pattern);
    SetType(type);
    RunSearch(dialog);
  }
  void SetLines(const Lines& lines) {
    view.results.Clear();
    for (const std::string& line : lines) view.results.Append(line);
  }
  Lines ListLines() const { return view.results.Lines(); }

  TempFolder folder;
  std::string prefix;
  MemoryView view;
  MemoryPlatform platform;
  MainDialog dialog{view, platform};
};

}  // namespace kwintel::testing_support
