#pragma once
// A session in memory, set up as the dialog starts (all lengths, "Volgorde", "100", "IJ één
// letter" on), with a word-file prefix in a temporary folder. The fixture stands in for the front
// end: a command gets the form its controls hold, the length toggles as the commands left them.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "engine/search_type.h"
#include "engine/word_file_set.h"
#include "ports/control_ids.h"
#include "shell/command_table.h"
#include "shell/run_search.h"
#include "shell/session.h"
#include "support/memory_platform.h"
#include "support/memory_result_list.h"
#include "support/memory_view.h"
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

class SessionFixture : public ::testing::Test {
 protected:
  SessionFixture() {
    for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
      view.SetChecked(ids::LengthToggleId(length), true);
    }
    prefix = folder.Path() + "/w";
  }

  // Writes the word file of `length` under the prefix.
  void WriteWords(int length, std::string_view bytes) { folder.Write(WordFileSet::FileNameOf("w", length), bytes); }

  // The form the controls hold: `form`, with the length toggles as the view has them.
  Form Controls() const {
    Form controls = form;
    for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
      controls.lengths[LengthIndex(length)] = view.IsChecked(ids::LengthToggleId(length));
    }
    return controls;
  }
  void SelectLengths(std::initializer_list<int> lengths) {
    for (int length = kMinWordLength; length <= kMaxWordLength; ++length) {
      view.SetChecked(ids::LengthToggleId(length), false);
    }
    for (const int length : lengths) view.SetChecked(ids::LengthToggleId(length), true);
  }
  // The set under `prefix`, found anew (an empty prefix: none), as the dialog's chooser takes it.
  void ChooseSet() { session.wordFiles = prefix.empty() ? nullptr : std::make_shared<WordFileSet>(prefix); }
  // "&Ga zoeken" with this pattern and type in the form, over the set under `prefix`.
  void Search(const std::string& pattern, SearchType type = SearchType::Sequence) {
    form.pattern = pattern;
    form.type = type;
    ChooseSet();
    RunSearch(session, Controls());
  }
  bool Press(int id) { return RunCommand(session, id, Controls()); }

  void SetLines(const Lines& lines) {
    results.Clear();
    for (const std::string& line : lines) results.Append(line);
  }
  void Show(std::initializer_list<std::string> lines) { SetLines(Lines(lines)); }
  Lines ListLines() const { return results.Lines(); }
  Lines Shown() const { return results.Lines(); }

  TempFolder folder;
  std::string prefix;
  Form form;
  MemoryView view;
  MemoryResultList results;
  MemoryPlatform platform;
  Session session{view, results, platform};
};

}  // namespace kwintel::testing_support
