#pragma once
// The commands that change the result list as a whole: case toggle, sort and restore.

#include <string>
#include <vector>

#include "shell/main_dialog.h"

namespace kwintel {

// "Hoofd"/"Klein": flips upperCaseMode and the button's caption; lines on show keep their case.
void ToggleCase(MainDialog& dialog);

// "Sorteer": sorts every line but the last in the order sortMode names, then advances sortMode.
// A list with at most one result line is left alone and sortMode stays.
void SortResults(MainDialog& dialog);

// Quicksort over unsigned byte comparison of lines[first..last] (inclusive), middle pivot.
void SortAscending(std::vector<std::string>& lines, int first, int last);
void SortDescending(std::vector<std::string>& lines, int first, int last);

// "Vorige": the lines of resultBackup, then "%d regels hersteld".
void RestoreResults(MainDialog& dialog);

}  // namespace kwintel
