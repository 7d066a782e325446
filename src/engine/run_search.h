#pragma once
// The search over word files ("&Ga zoeken") and the routines it shares with the narrowing.

#include <string>
#include <string_view>

#include "engine/engine_types.h"
#include "shell/main_dialog.h"

namespace kwintel {

// "&Ga zoeken": reads the form, prepares the pattern, scans the word files of the selected
// lengths shortest first, and ends the list with its summary line.
void RunSearch(MainDialog& dialog);

// Whether a word passes "Zonder:" (no character of it occurs) and "Met:" (every character of it
// occurs), both taken from the dialog members; byte-wise, case-sensitive. Inline for the usual
// case of no filter, which the scan asks about at every found word.
bool PassesSetResultFilter(const MainDialog& dialog, std::string_view text);
inline bool PassesResultFilter(const MainDialog& dialog, std::string_view text) {
  return (dialog.mustNotContain.empty() && dialog.mustContain.empty()) || PassesSetResultFilter(dialog, text);
}

// Adds a result line: the length prefix "%2d. " when "Met lengte" is on; dropped (not shown, not
// counted) when "IJ één letter" is on and the line holds "IJ" or "ij"; otherwise appended to the
// list, to resultBackup when keep is set (and the dialog keeps a backup), and counted in
// searchRunState.resultCount.
void AddResultLine(MainDialog& dialog, std::string_view text, int length, bool keep);

// Lets the front end handle pending input (the view's pump).
void PumpMessages(MainDialog& dialog);

// The name of the word file of `length` under `prefix`: "%s%02d.DOC".
std::string WordFileName(const std::string& prefix, int length);

}  // namespace kwintel
