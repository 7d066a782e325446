#pragma once
// The fuzz targets' verdict on a broken promise: the promise is printed and the process aborts, so
// libFuzzer keeps the input that broke it as a crash artifact.

#include <cstdio>
#include <cstdlib>

namespace kwintel::fuzz {

[[noreturn]] inline void Violated(const char* promise, const char* file, int line) {
  std::fprintf(stderr, "\n*** invariant violated at %s:%d: %s\n", file, line, promise);
  std::abort();
}

}  // namespace kwintel::fuzz

// A macro rather than a function so that the message names the check's own line.
#define FUZZ_REQUIRE(condition) ((condition) ? void(0) : ::kwintel::fuzz::Violated(#condition, __FILE__, __LINE__))
