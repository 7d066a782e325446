#pragma once
// Which word files a search reads: the session's set, the four source slots, and the ways to
// choose a set.

#include <string>

#include "shell/session.h"

namespace kwintel {

inline constexpr std::size_t kMaxPrefixLength = 259;

// Looks for a word-file set in `folder` (ending in '/') and puts it in slot 1; hides source
// buttons 2-4 when found.
void DiscoverWordFiles(Session& session, const std::string& folder);

// Source button of slot 1..4: the slot's set, title, highlight.
void SelectWordSource(Session& session, int slot);

// "&Kies bestand...": the set of the chosen word file.
void ChooseWordFile(Session& session);

// The set under `prefix` as the session's, as "&Kies bestand..." takes it (an empty prefix: none);
// a prefix too long is refused with a message.
void UseWordFilePrefix(Session& session, const std::string& prefix);

// The folder of the running executable, ending in '/' (its real path, so a link in bin works).
std::string ExecutableFolder();

}  // namespace kwintel
