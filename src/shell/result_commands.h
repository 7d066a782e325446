#pragma once
// The dialog's commands on the result list as a whole: thin adapters that hand the list to the
// results layer and report what goes wrong.

#include <optional>
#include <string>

#include "shell/main_dialog.h"

namespace kwintel {

// "Hoofd"/"Klein": flips upperCaseMode and the button's caption; lines on show keep their case.
void ToggleCase(MainDialog& dialog);

// "Sorteer": SortResultLines; without memory for it "Onvoldoende geheugen" / "Oei", list untouched.
void SortResults(MainDialog& dialog);

// "Vorige": the lines of resultBackup, then "%d regels hersteld".
void RestoreResults(MainDialog& dialog);

// "Kopieer": with at least one line selected, the selected lines in list order, each followed by
// "\n", go to the clipboard, and WriteForm brings back the form of the last search. With none
// selected nothing happens. Without memory for the text: "Onvoldoende geheugen" / "Oei".
void CopyResults(MainDialog& dialog);

// "&Schrijf resultaat...": asks for a file through the save dialog (proposing resultFileName),
// then writes it. A cancel empties resultFileName. A failed write leaves any old file intact and
// shows "Kan resultaat niet schrijven naar <file>: <reason>" with caption "Fout".
void WriteResultFile(MainDialog& dialog);

// "Print": with at least one result line, asks for a printer and prints every line but the
// summary line in newspaper columns with a page header per page. Reports nothing.
void PrintResults(MainDialog& dialog);

}  // namespace kwintel
