#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ in a clang folder of their own and runs them.
#
#   scripts/fuzz.sh replay [target...]  each committed corpus, then a fixed number of generated
#                                       inputs from seed 1: the same inputs on every run (make test)
#   scripts/fuzz.sh run [target...]     each target for FUZZ_SECONDS (default 600), one after the
#                                       other, with -timeout=2 -rss_limit_mb=2048 (make fuzz)
#   scripts/fuzz.sh merge [target...]   adds what earlier runs found that widens coverage to the
#                                       committed corpus fuzz/corpus/<target>
#
# A crash, leak, memory blow-up or broken invariant stops the run and leaves its input in
# fuzz/out/<target>/; `build-fuzz/fuzz/fuzz_<target> <that file>` replays it. A run's slow units
# (over 2 s) are findings too, except for sequence patterns with two or more letter variables and
# several '*', whose matcher state space is large by nature: those are timed and recorded in
# bench/fuzz-slow-units.md instead.
#
#   FUZZ_BUILD_DIR      the build folder (default build-fuzz)
#   FUZZ_REPLAY_RUNS    generated inputs per target in replay (default 20000)
#   FUZZ_SECONDS        time per target in run (default 600)
#   FUZZ_MERGE=1        merge right after run
#   FUZZ_SKIP_BUILD=1   use the targets as built (for two runs side by side)
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-replay}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(pattern_match word_file result_list sound_file)
build=${FUZZ_BUILD_DIR:-build-fuzz}
out=fuzz/out
common=(-rss_limit_mb=2048 -max_len=4096 -print_final_stats=1)
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}

build_targets() {
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G "${GENERATOR:-Ninja}" -DCMAKE_CXX_COMPILER=clang++ -DKWINTEL_FUZZ=ON \
      -DKWINTEL_GUI=OFF -DKWINTEL_TESTS=OFF -DKWINTEL_BENCH=OFF > /dev/null
  fi
  cmake --build "$build" -j 2 --target kwintel_fuzz_targets
}

binary() { echo "$build/fuzz/fuzz_$1"; }

# The pattern of a unit: the first line; the word-file and result-list inputs start it with their
# type and options bytes.
pattern_of() {
  local target=$1 unit=$2
  if [ "$target" = pattern_match ] || [ "$target" = sound_file ]; then head -n 1 "$unit"; else head -n 1 "$unit" | tail -c +3; fi
}

# Two or more of the letter variables & $ ^ and at least two '*'.
expected_slow() {
  local pattern variables=0 mark
  pattern=$(pattern_of "$@" | tr -d '\000')
  for mark in '&' '$' '^'; do
    case "$pattern" in *"$mark"*) variables=$((variables + 1)) ;; esac
  done
  local stars=${pattern//[^*]/}
  [ "$variables" -ge 2 ] && [ "${#stars}" -ge 2 ]
}

# Times an expected-slow unit and appends it to bench/fuzz-slow-units.md.
record_slow_unit() {
  local target=$1 unit=$2 start end
  start=$(date +%s%N)
  "$(binary "$target")" -timeout=300 -rss_limit_mb=2048 "$unit" > /dev/null 2>&1 || true
  end=$(date +%s%N)
  local shape
  shape=$(LC_ALL=C awk 'NR > 1 && length($0) > longest { longest = length($0) }
    END { printf "%d more lines, longest %d bytes", NR - 1, longest }' "$unit")
  printf '| %s | %s | %s ms | `%s` | %s |\n' "$(date +%F)" "$target" $(((end - start) / 1000000)) \
    "$(pattern_of "$target" "$unit" | cat -v | sed 's/|/\\|/g; s/`/'"'"'/g')" "$shape" \
    >> bench/fuzz-slow-units.md
  mkdir -p "$out/$target/slow"
  mv "$unit" "$out/$target/slow/"
}

replay() {
  local target=$1 runs=${FUZZ_REPLAY_RUNS:-20000} work="$out/replay/$1" log
  rm -rf "$work" && mkdir -p "$work"
  log="$work.log"
  echo "Fuzz replay: $target (corpus + $runs generated inputs, seed 1)"
  # The empty first folder takes what the generated inputs add; the committed corpus is only read.
  # The timeout catches a hang, not a slow machine.
  if ! "$(binary "$target")" -seed=1 -runs="$runs" -timeout=60 "${common[@]}" \
      -artifact_prefix="$out/$target-" "$work" "fuzz/corpus/$target" > "$log" 2>&1; then
    tail -n 60 "$log"
    echo "Fuzz replay of $target failed; the input is in $out/ (log: $log)"
    return 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" | tr '\n' ' '
  echo
}

run() {
  local target=$1 seconds=${FUZZ_SECONDS:-600} dir="$out/$1" status=0
  mkdir -p "$dir/corpus"
  echo "Fuzzing $target for $seconds s (log: $dir/log)"
  # Fork mode goes on after a slow unit, so one run sees all of them; a crash still ends it.
  "$(binary "$target")" -fork=1 -ignore_timeouts=1 -ignore_ooms=0 -ignore_crashes=0 \
    -max_total_time="$seconds" -timeout=2 "${common[@]}" -artifact_prefix="$dir/" \
    "$dir/corpus" "fuzz/corpus/$target" > "$dir/log" 2>&1 || status=$?
  # 70 is libFuzzer's exit code for a slow unit; the units it left are judged below.
  [ "$status" -ne 70 ] || status=0
  grep -E '^#[0-9]+: ' "$dir/log" | tail -n 1 || true
  local unit
  for unit in "$dir"/timeout-*; do
    [ -e "$unit" ] || continue
    if expected_slow "$target" "$unit"; then
      record_slow_unit "$target" "$unit"
      echo "  slow unit recorded in bench/fuzz-slow-units.md: $(pattern_of "$target" "$dir/slow/${unit##*/}" | cat -v)"
    else
      echo "  FINDING: slow unit $unit (pattern: $(pattern_of "$target" "$unit" | cat -v))"
      status=1
    fi
  done
  for unit in "$dir"/crash-* "$dir"/leak-* "$dir"/oom-*; do
    [ -e "$unit" ] || continue
    echo "  FINDING: $unit"
    status=1
  done
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$dir/log"
    return 1
  fi
  [ "${FUZZ_MERGE:-0}" = 1 ] && merge "$target"
  return 0
}

merge() {
  local target=$1 dir="$out/$1"
  [ -d "$dir/corpus" ] || return 0
  local before after
  before=$(find "fuzz/corpus/$target" -type f | wc -l)
  # Edges only (-use_counters=0): an input joins when it reaches code no committed input reaches,
  # not when it merely runs a loop more often, which keeps the committed corpus small.
  "$(binary "$target")" -merge=1 -use_counters=0 -timeout=10 "${common[@]}" "fuzz/corpus/$target" \
    "$dir/corpus" > "$dir/merge.log" 2>&1
  after=$(find "fuzz/corpus/$target" -type f | wc -l)
  echo "Merged into fuzz/corpus/$target: $before -> $after files"
  [ "$after" -le 300 ] || echo "  fuzz/corpus/$target holds more than 300 files: consider minimising it"
}

case "$mode" in
  replay | run | merge) ;;
  *) echo "usage: $0 replay|run|merge [target...]" >&2; exit 2 ;;
esac
[ "$mode" = merge ] || [ "${FUZZ_SKIP_BUILD:-0}" = 1 ] || build_targets
failed=0
for target in "${targets[@]}"; do
  "$mode" "$target" || failed=1
done
exit "$failed"
