#pragma once
// Ctrl+C as "&Onderbreek": while a search or narrowing runs, SIGINT is held back and read as an
// event, which the headless pump turns into "&Onderbreek" at the run's next pump. Outside a run
// SIGINT keeps the effect it had before.

#include <signal.h>

namespace kwintel::cli {

// Holds SIGINT back for its lifetime, as a signalfd of its own to read it from (no handler, so no
// flag shared with one). A SIGINT that arrived but was not taken is dropped at the end, as
// "&Onderbreek" pressed after the run would be.
class InterruptCatcher {
 public:
  InterruptCatcher();
  ~InterruptCatcher();
  InterruptCatcher(const InterruptCatcher&) = delete;
  InterruptCatcher& operator=(const InterruptCatcher&) = delete;

  // Whether SIGINT arrived since the catcher started or since the last call.
  bool TakeInterrupt();

 private:
  int fd_ = -1;
  sigset_t former_{};
};

// Test-only: the pump number at which the process raises SIGINT itself, from the environment
// variable KWINTEL_TEST_SIGINT_AT_PUMP (a whole number from 1 up); 0 when unset or malformed.
long TestInterruptPump();

}  // namespace kwintel::cli
