#!/usr/bin/env bash
# `make bench`: runs every benchmark executable of the build, then the comparison with grep.
# Benchmarks print figures; none of them passes or fails on a time.
#
#   scripts/run-benchmarks.sh [BUILD_DIR]
set -euo pipefail

build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0

shopt -s nullglob
benchmarks=("$build"/bench/*)
if [ ${#benchmarks[@]} -eq 0 ]; then
  echo "Geen benchmarks in $build/bench (libbenchmark-dev ontbreekt, of KWINTEL_BENCH staat uit)"
fi
for benchmark in "${benchmarks[@]}"; do
  [ -f "$benchmark" ] && [ -x "$benchmark" ] || continue
  echo "== $(basename "$benchmark")"
  # QT_QPA_PLATFORM lets the benchmarks of the dialog run without a display.
  if ! QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$benchmark"; then
    echo "$(basename "$benchmark") stopte met een fout" >&2
    status=1
  fi
  echo
done

echo "== kwintel-cli naast grep"
"$root/bench/compare-grep.sh" "$build" || status=1
echo
echo "== kwintel-cli --common naast grep"
COMMON=1 "$root/bench/compare-grep.sh" "$build" || status=1
exit $status
