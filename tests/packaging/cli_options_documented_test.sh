#!/usr/bin/env bash
# cli_options_documented_test.sh KWINTEL_CLI MAN_PAGE COMPLETION
# Every long option and every search type that `kwintel-cli --help` lists is in the manual page and
# in the bash completion, so neither falls behind the program.
set -u
cli=$1 page=$2 completion=$3
if ! command -v man > /dev/null; then
  echo "SKIP: man not found (Debian package man-db)"
  exit 77
fi
help=$("$cli" --help) || { echo "FAIL: $cli --help"; exit 1; }
manual=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2> /dev/null)
# The completion's word lists, as the shell sees them.
# shellcheck source=/dev/null
source "$completion"

options=$(grep -oE -- '--[a-z][a-z0-9-]+' <<< "$help" | sort -u)
# The examples section: "  Volgorde    kwintel-cli R..S ...".
types=$(sed -nE 's/^  ([A-Z][A-Za-z0-9-]+) +kwintel-cli .*/\1/p' <<< "$help")
[[ -n $options && -n $types ]] || { echo "FAIL: no options or search types in $cli --help"; exit 1; }

status=0
for option in $options; do
  if ! grep -qE -- "(^|[ ,])$option( |,|$)" <<< "$manual"; then
    echo "FAIL: $option is not in $page"
    status=1
  fi
  if ! grep -qw -- "$option" <<< " $_kwintel_cli_options "; then
    echo "FAIL: $option is not in the completion's options"
    status=1
  fi
done
for type in $types; do
  if ! grep -qE "^ +$type( |\$)" <<< "$manual"; then
    echo "FAIL: search type $type has no entry under ZOEKTYPEN in $page"
    status=1
  fi
  if ! grep -qE "(^|[[:space:]])$type([[:space:]]|\$)" <<< "$_kwintel_cli_types"; then
    echo "FAIL: search type $type is not in the completion"
    status=1
  fi
done
[[ $status == 0 ]] && echo "$(wc -w <<< "$options") options and $(wc -w <<< "$types") search types of --help are in the manual page and the completion"
exit $status
