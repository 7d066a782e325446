#pragma once

namespace kwintel {

// Puts every program-wide value back to its value at program start (matchState, searchRunState,
// target, upperCaseMode, sortMode, resultFileName, wordFilePrefix, sourceSlots, resultFont).
// For a fresh front end and for tests.
void ResetProgramWideState();

}  // namespace kwintel
