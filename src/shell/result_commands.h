#pragma once
// The dialog's commands on the result list as a whole: thin adapters that hand the list to the
// results layer and report what goes wrong.

#include <optional>
#include <string>

#include "shell/session.h"

namespace kwintel {

// "Hoofd"/"Klein": flips the case mode and the button's caption; lines on show keep their case.
void ToggleCase(Session& session);

// "Sorteer": SortResultLines; without memory for it "Onvoldoende geheugen" / "Oei", list untouched.
void SortResults(Session& session);

// "Vorige": the lines of resultBackup, then "%d regels hersteld".
void RestoreResults(Session& session);

// "Kopieer": with at least one line selected, the selected lines in list order, each followed by
// "\n", go to the clipboard, and the controls show the form of the last search again. With none
// selected nothing happens. Without memory for the text: "Onvoldoende geheugen" / "Oei".
void CopyResults(Session& session);

// "&Schrijf resultaat...": asks for a file through the save dialog (proposing resultFileName),
// then writes it. A cancel empties resultFileName. A failed write leaves any old file intact and
// shows "Kan resultaat niet schrijven naar <file>: <reason>" with caption "Fout".
void WriteResultFile(Session& session);

// "Print": with at least one result line, asks for a printer and prints every line but the
// summary line in newspaper columns with a page header per page. Reports nothing.
void PrintResults(Session& session);

}  // namespace kwintel
