#pragma once
// The dialog's dispatch table: every control with a command, bound once for both front ends.

#include <span>

#include "shell/main_dialog.h"

namespace kwintel {

struct Command {
  int id;
  void (*run)(MainDialog&);
};

std::span<const Command> CommandTable();

// Runs the command of control `id`. "&Ga zoeken", "&Doorzoeken" and the word-source commands are
// ignored while a search or narrowing runs (they would start another run inside it, or change
// the word files under it). Returns whether a command ran.
bool RunCommand(MainDialog& dialog, int id);

}  // namespace kwintel
