#include "cli/interrupt_signal.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdlib>

namespace kwintel::cli {

InterruptCatcher::InterruptCatcher() {
  sigset_t interrupt;
  sigemptyset(&interrupt);
  sigaddset(&interrupt, SIGINT);
  sigprocmask(SIG_BLOCK, &interrupt, &former_);
  fd_ = signalfd(-1, &interrupt, SFD_NONBLOCK | SFD_CLOEXEC);
}

InterruptCatcher::~InterruptCatcher() {
  TakeInterrupt();  // what is still held back must not end the program once let through
  if (fd_ >= 0) ::close(fd_);
  sigprocmask(SIG_SETMASK, &former_, nullptr);
}

bool InterruptCatcher::TakeInterrupt() {
  bool taken = false;
  signalfd_siginfo info;
  while (fd_ >= 0 && ::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) taken = true;
  return taken;
}

long TestInterruptPump() {
  const char* text = std::getenv("KWINTEL_TEST_SIGINT_AT_PUMP");
  if (text == nullptr || *text == '\0') return 0;
  char* end = nullptr;
  const long pump = std::strtol(text, &end, 10);
  return (*end == '\0' && pump > 0) ? pump : 0;
}

}  // namespace kwintel::cli
