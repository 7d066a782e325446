#pragma once
// Program-wide state of the result list's commands.

#include <string>

namespace kwintel {

// 1: new result lines keep their capitals ("Hoofd"); 0: they are turned into small letters
// ("Klein"). On at start.
extern int upperCaseMode;

// The order the next effective "Sorteer" applies: 0 ascending, 1 descending, 2 ascending by the
// line read backwards, 3 descending by the line read backwards. Set to 0 by every search and
// narrowing.
extern int sortMode;

// Full path (file-system bytes) of the last result file written; proposed by the next save dialog.
// Emptied by a cancelled save dialog.
extern std::string resultFileName;

}  // namespace kwintel
