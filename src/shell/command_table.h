#pragma once
// The dialog's dispatch table: every control with a command, bound once for both front ends.

#include "shell/form.h"
#include "shell/session.h"

namespace kwintel {

// Runs the command of control `id` with the form the controls hold now (only the search, the
// narrowing and "Einde" read it). "&Ga zoeken", "&Doorzoeken" and the word-source commands are
// ignored while a search or narrowing runs (they would start another run inside it, or change the
// word files under it). Returns whether a command ran.
bool RunCommand(Session& session, int id, const Form& form);

// Whether control `id` has a command.
bool HasCommand(int id);

}  // namespace kwintel
