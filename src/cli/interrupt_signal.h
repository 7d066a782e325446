#pragma once
// Ctrl+C as "&Onderbreek": while a search or narrowing runs, SIGINT only sets a flag, which the
// headless pump turns into RequestStop at the run's next pump. Outside a run SIGINT keeps the
// effect it had before.

namespace kwintel::cli {

// Catches SIGINT for its lifetime (flag cleared at the start); puts back the former handling.
class InterruptCatcher {
 public:
  InterruptCatcher();
  ~InterruptCatcher();
  InterruptCatcher(const InterruptCatcher&) = delete;
  InterruptCatcher& operator=(const InterruptCatcher&) = delete;
};

// Whether SIGINT arrived since the catcher started or since the last call; clears the flag.
bool TakeInterrupt();

// Test-only: the pump number at which the process raises SIGINT itself, from the environment
// variable KWINTEL_TEST_SIGINT_AT_PUMP (a whole number from 1 up); 0 when unset or malformed.
long TestInterruptPump();

}  // namespace kwintel::cli
