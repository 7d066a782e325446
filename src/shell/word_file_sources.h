#pragma once
// Which word files a search reads: the program-wide wordFilePrefix (folder and base name, the
// file system's bytes), the four source slots, and the three ways to set the prefix.

#include <array>
#include <string>

#include "shell/main_dialog.h"

namespace kwintel {

struct WordSourceSlot {
  std::string caption;  // caption of the slot's button (Windows-1252)
  std::string prefix;   // folder and base name of the slot's word files; empty: no set
};

inline constexpr const char* kTitlePrefix = "Kwintel - ";
inline constexpr std::size_t kMaxPrefixLength = 259;

extern std::string wordFilePrefix;
extern std::array<WordSourceSlot, 4> sourceSlots;

// Looks for a word-file set (at least 7 files "<base>NN.doc", letter case of the ending ignored)
// in `folder` (ending in '/') and puts it in slot 1; hides source buttons 2-4 when found.
void DiscoverWordFiles(MainDialog& dialog, const std::string& folder);

// Source button of slot 1..4: wordFilePrefix, title, highlight.
void SelectWordSource(MainDialog& dialog, int slot);

// "&Kies bestand...": the prefix of the chosen word file.
void ChooseWordFile(MainDialog& dialog);

// The folder of the running executable, ending in '/' (its real path, so a link in bin works).
std::string ExecutableFolder();

}  // namespace kwintel
