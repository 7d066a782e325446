#pragma once
// "&Ga zoeken" for "Meerwoord": the words of the checked files gathered first, their combinations
// listed after.

#include "engine/compiled_pattern.h"
#include "engine/engine_types.h"
#include "engine/word_file_lookup.h"
#include "shell/main_dialog.h"

namespace kwintel {

// Reads the word files of `request`'s checked lengths from minLength to maxLength that a word of
// the pattern can come from, shortest first (title, progress bar and pumps as a scan shows them),
// into the pattern's index, then adds its results as result lines until the maximum or an
// interrupt. `pattern` holds a prepared "Meerwoord" pattern.
void SearchMultiWordAnagrams(MainDialog& dialog, const CompiledPattern& pattern, const SearchRequest& request,
                             const WordFilePaths& paths, int minLength, int maxLength);

}  // namespace kwintel
