#!/usr/bin/env bash
# man_pages_test.sh PAGE...: man renders each page at 80 columns without a warning, in an ASCII and
# in a UTF-8 locale.
set -u
if ! command -v man > /dev/null; then
  echo "SKIP: man not found (Debian package man-db)"
  exit 77
fi
status=0
for page in "$@"; do
  for locale in C C.UTF-8; do
    warnings=$(LC_ALL=$locale MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null)
    if [[ -n $warnings ]]; then
      echo "FAIL: $page in locale $locale:"
      echo "$warnings"
      status=1
    fi
  done
  if [[ $(MANWIDTH=80 man -l "$page" 2> /dev/null | wc -l) -lt 10 ]]; then
    echo "FAIL: $page renders to almost nothing"
    status=1
  fi
done
[[ $status == 0 ]] && echo "man pages render without warnings: $*"
exit $status
