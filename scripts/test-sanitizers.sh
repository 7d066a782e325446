#!/usr/bin/env bash
# Builds the whole test suite with gcc under AddressSanitizer and UndefinedBehaviorSanitizer in a
# folder of its own and runs it. -fno-sanitize-recover=all: the first report fails its test. The
# logic tests look for leaks; the Qt tests do not (Qt and fontconfig keep caches alive), which
# tests/CMakeLists.txt arranges per test.
#   SANITIZE_BUILD_DIR  the folder (default build-asan)
#   SANITIZERS          the -fsanitize list (default address,undefined)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${SANITIZE_BUILD_DIR:-build-asan}
sanitizers=${SANITIZERS:-address,undefined}
generator=${GENERATOR:-Ninja}

cmake -S . -B "$build" -G "$generator" -DCMAKE_CXX_COMPILER=g++ \
  -DKWINTEL_SANITIZE="$sanitizers" -DKWINTEL_TESTS=ON -DKWINTEL_BENCH=OFF > /dev/null
cmake --build "$build" -j 2

# Full stacks for undefined behaviour; the ASAN_OPTIONS of each test come from its CTest entry.
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
echo "Sanitizer tests ($sanitizers) in $build:"
ctest --test-dir "$build" --output-on-failure -j2
