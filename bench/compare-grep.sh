#!/usr/bin/env bash
# kwintel-cli against GNU grep, end to end: each pattern as kwintel-cli runs it (IJ rule off, a
# maximum above the match count) and as the nearest regular expression for grep over exactly the
# word files kwintel-cli opens. Both write every match to a file (grep stops at its first match
# when its output is /dev/null). Runs alternate, 10 of each; prints both match counts (they
# differ where the word end or spaces count differently) and the ratio of the median times.
#
#   bench/compare-grep.sh [BUILD_DIR] [RUNS]
#   COMMON=1 bench/compare-grep.sh ...   the same with kwintel-cli --common ("Gangbaar")
set -euo pipefail

build=${1:-build}
runs=${2:-10}
bin=$build/bin
cli=$bin/kwintel-cli
prefix=$bin/opentaal
if [ ! -x "$cli" ] || [ ! -f "${prefix}04.DOC" ]; then
  echo "compare-grep: $cli or the word files ${prefix}NN.DOC are missing; build first" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The word files of lengths FIRST..LAST.
files() {
  local length
  for ((length = $1; length <= $2; length++)); do printf '%s%02d.DOC\n' "$prefix" "$length"; done
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# timed FILE COMMAND...: runs COMMAND with its output in FILE; prints "wall-ms cpu-ms". The wall
# time comes from EPOCHREALTIME (microseconds): `time` rounds to whole milliseconds, which is most
# of a search of one word file.
timed() {
  local out=$1 TIMEFORMAT='%3U %3S' report
  shift
  report=$( {
    local start=$EPOCHREALTIME
    time "$@" > "$out" 2> /dev/null
    printf '%s %s\n' "$start" "$EPOCHREALTIME" >&2
  } 2>&1 ) || true
  awk 'NR == 1 { cpu = ($1 + $2) * 1000 } NR == 2 { printf "%.3f %.3f\n", ($2 - $1) * 1000, cpu }' <<< "$report"
}

printf '%-26s %9s %9s %11s %11s %7s %7s\n' "patroon" "kwintel" "grep" "kwintel ms" "grep ms" "ratio" "cpu"

# compare LABEL FIRST LAST GREP-OPTIONS GREP-REGEX -- KWINTEL-ARGUMENTS...
compare() {
  local label=$1 first=$2 last=$3 grep_options=$4 regex=$5
  shift 6
  local -a word_files
  mapfile -t word_files < <(files "$first" "$last")
  local i
  : > "$work/kwintel.times"
  : > "$work/grep.times"
  for ((i = 0; i < runs; i++)); do
    timed "$work/kwintel.txt" "$cli" -w "$prefix" --keep-ij -m 1000000 ${COMMON:+--common} "$@" >> "$work/kwintel.times"
    # shellcheck disable=SC2086  # the options are meant to split
    LC_ALL=C timed "$work/grep.txt" grep -h $grep_options -- "$regex" "${word_files[@]}" \
      >> "$work/grep.times"
  done
  local cli_count grep_count
  cli_count=$(( $(wc -l < "$work/kwintel.txt") - 1 ))  # the summary line is no match
  grep_count=$(wc -l < "$work/grep.txt")
  local kw kc gw gc
  kw=$(cut -d' ' -f1 "$work/kwintel.times" | median)
  kc=$(cut -d' ' -f2 "$work/kwintel.times" | median)
  gw=$(cut -d' ' -f1 "$work/grep.times" | median)
  gc=$(cut -d' ' -f2 "$work/grep.times" | median)
  awk -v l="$label" -v kn="$cli_count" -v gn="$grep_count" -v kw="$kw" -v gw="$gw" -v kc="$kc" -v gc="$gc" \
    'BEGIN { printf "%-26s %9d %9d %11.2f %11.2f %7.2f %7.2f\n", l, kn, gn, kw, gw, kw / gw, (gc > 0 ? kc / gc : 0) }'
}

compare "R..S"                       4  4 ""   '^R..S$'                          -- 'R..S'
compare "*EN"                        2 19 ""   '^.*EN$'                          -- '*EN'
compare "&..&"                       4  4 ""   '^\(.\)..\1$'                     -- '&..&'
compare "*[AEIOU][AEIOU][AEIOU]*"    3 19 ""   '[AEIOU][AEIOU][AEIOU]'           -- '*[AEIOU][AEIOU][AEIOU]*'
compare "-*E*"                       2 19 "-v" 'E'                               -- -- '-*E*'
compare "Set ANS"                    2 19 "-E" '^[ANS]+$'                        -- -t Set ANS
compare "Telefoon 7667"              4  4 ""   '^[PQRS][MNO][MNO][PQRS]$'        -- -t Telefoon 7667
compare "Stapel BCDF...XZ 4"         4 19 "-E" '[BCDFGHJKLMNPQRSTVWXZ]{4}'       -- -t Stapel 'BCDFGHJKLMNPQRSTVWXZ 4'
# grep's alternation also lists ROOS itself, which Drukfout leaves out.
compare "Drukfout ROOS"              4  4 "-E" '^(.OOS|R.OS|RO.S|ROO.)$'          -- -t Drukfout ROOS
echo "ratio: mediane kloktijd kwintel-cli / grep; cpu: mediane processortijd (user + sys) kwintel-cli / grep;"
echo "$runs runs elk, afwisselend; onder 1: kwintel-cli sneller"
