#!/usr/bin/env bash
# desktop_entry_test.sh DESKTOP_FILE: desktop-file-validate finds no error (hints may stay).
set -u
if ! command -v desktop-file-validate > /dev/null; then
  echo "SKIP: desktop-file-validate not found (Debian package desktop-file-utils)"
  exit 77
fi
output=$(desktop-file-validate "$1" 2>&1)
status=$?
[[ -n $output ]] && echo "$output"
if [[ $status != 0 ]] || grep -q ': error: ' <<< "$output"; then
  echo "FAIL: desktop-file-validate $1"
  exit 1
fi
echo "desktop-file-validate $1: no errors"
