#pragma once
// The scan of one word file as the dialog shows it.

#include "engine/compiled_pattern.h"
#include "engine/word_file.h"
#include "shell/main_dialog.h"

namespace kwintel {

// Tests every line of the open `file` (the word file of `length` under wordFilePrefix) against
// `pattern` and adds the matching words that pass the result filter as result lines (kept in
// resultBackup too). Shows the file's name in the title. Before line 10,001 and every further
// 10,001 lines it moves the progress bar (searchRunState.bytesDone plus the file's position, as a
// share of bytesTotal; not at all when bytesTotal is 0) and pumps the messages. Stops before the
// next line once stopRequested is set, and sets it itself when resultCount reaches maxResults.
// Allocates only for the lines it adds.
void ScanWordFile(MainDialog& dialog, const CompiledPattern& pattern, WordFile& file, int maxResults, int length);

// What a scan does at each of its pumps: moves the progress bar to searchRunState.bytesDone plus
// the file's position, as a share of bytesTotal (not at all when that is 0), and pumps.
void ShowScanProgress(MainDialog& dialog, const WordFile& file);

}  // namespace kwintel
