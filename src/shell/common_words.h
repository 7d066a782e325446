#pragma once
// "Gangbaar": the counts of the chosen word-file set, and the box that ranks by them.

#include <string>

#include "engine/word_counts.h"
#include "shell/main_dialog.h"

namespace kwintel {

// The counts of the word-file set under `prefix` (PREFIX.FRQ), read the first time they are asked
// for and kept while the same prefix is asked for; null when the set has no counts file or it
// cannot be read. One set's counts are kept at a time; `reading` is how they are read when they
// are (see CountsReading: only a program that ends after one search maps them).
const WordCounts* CountsOfSet(const std::string& prefix, CountsReading reading = CountsReading::kCopy);

// "Gangbaar": flips the ranking by counts and the box's state.
void ToggleCommon(MainDialog& dialog);

// Enables "Gangbaar" when the chosen set has a counts file; without one the box is disabled and
// off. Looks only for the file: its counts are read by the first search that ranks by them.
void ShowCommonAvailability(MainDialog& dialog);

}  // namespace kwintel
