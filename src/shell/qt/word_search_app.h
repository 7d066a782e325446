#pragma once

namespace kwintel {

// Starts the desktop program: the tip of the day, then the main dialog; returns the exit code
// once the main dialog has ended.
int RunWordSearchApp(int argc, char** argv);

}  // namespace kwintel
