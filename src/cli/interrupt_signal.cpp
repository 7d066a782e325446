#include "cli/interrupt_signal.h"

#include <csignal>
#include <cstdlib>

namespace kwintel::cli {
namespace {

volatile std::sig_atomic_t interruptFlag = 0;
struct sigaction formerAction {};

extern "C" void OnInterrupt(int) { interruptFlag = 1; }

}  // namespace

InterruptCatcher::InterruptCatcher() {
  interruptFlag = 0;
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, &formerAction);
}

InterruptCatcher::~InterruptCatcher() { sigaction(SIGINT, &formerAction, nullptr); }

bool TakeInterrupt() {
  if (interruptFlag == 0) return false;
  interruptFlag = 0;
  return true;
}

long TestInterruptPump() {
  const char* text = std::getenv("KWINTEL_TEST_SIGINT_AT_PUMP");
  if (text == nullptr || *text == '\0') return 0;
  char* end = nullptr;
  const long pump = std::strtol(text, &end, 10);
  return (*end == '\0' && pump > 0) ? pump : 0;
}

}  // namespace kwintel::cli
