#pragma once
// The result file: every line of the list but the summary line, UTF-8, each ended by LF.

#include <optional>
#include <string>

#include "shell/main_dialog.h"

namespace kwintel {

// "&Schrijf resultaat...": asks for a file through the save dialog (proposing resultFileName),
// then writes it. A cancel empties resultFileName. A failed write leaves any old file intact and
// shows "Kan resultaat niet schrijven naar <file>: <reason>" with caption "Fout".
void WriteResultFile(MainDialog& dialog);

// Writes the result file to exactly `path` without a dialog (kwintel-cli's --output). Returns the
// message text of a failure (Windows-1252), nothing on success. The old file survives a failure.
std::optional<std::string> WriteResultFileTo(MainDialog& dialog, const std::string& path);

}  // namespace kwintel
