#!/usr/bin/env bash
# Checks every tracked C++ file against .clang-format without changing it; lists the files that
# differ and fails when there are any. `clang-format -i FILE` puts a file right.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format > /dev/null; then
  echo "SKIP: format check: clang-format is not installed (Debian package clang-format)"
  exit 0
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2> /dev/null || find src tools tests bench fuzz -name '*.cpp' -o -name '*.h')
failed=0
for file in "${files[@]}"; do
  if ! clang-format --dry-run -Werror "$file" > /dev/null 2>&1; then
    echo "not formatted: $file"
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "format: ${#files[@]} files as .clang-format has them"
exit "$failed"
