#pragma once
// One run of kwintel-cli: the main dialog headless, its form filled from the options, its
// buttons pressed in order, and the result list printed.

#include <cstdio>
#include <string>

#include "cli/cli_options.h"
#include "engine/phoneme_source.h"

namespace kwintel::cli {

inline constexpr int kExitListed = 0;   // the list was printed
inline constexpr int kExitMessage = 1;  // a step stopped with one of the system's messages
inline constexpr int kExitUsage = 2;    // the command line was wrong

// Initialises the dialog (word files discovered in `executableFolder`), fills the form, presses
// "&Ga zoeken" and then the actions, writes the result file, and prints every line of the list
// to `out` in UTF-8. A step that shows a message stops everything: its "CAPTION: TEXT" goes to
// `err`, nothing to `out` or the result file. SIGINT during a search or narrowing acts as
// "&Onderbreek". `phonemes` (may be null) gives the sounds of pattern words and lines that the
// set's sound file does not list. Returns the exit status.
int RunCliSession(const CliOptions& options, const std::string& executableFolder, std::FILE* out, std::FILE* err,
                  PhonemeSource* phonemes = nullptr);

}  // namespace kwintel::cli
