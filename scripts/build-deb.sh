#!/usr/bin/env bash
# scripts/build-deb.sh [BUILD_DIR]: builds the Debian package from a copy of the tree in a temporary
# folder (so nothing is written beside the checkout) and puts kwintel_VERSION_ARCH.deb, its debug
# symbols and the .changes / .buildinfo files in BUILD_DIR/deb. The package build runs the CTest
# suite through dh_auto_test unless DEB_BUILD_OPTIONS holds "nocheck". The full build log is
# BUILD_DIR/deb/build.log.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-build}
[[ $build_dir = /* ]] || build_dir=$root/$build_dir
out=$build_dir/deb

work=$(mktemp -d "${TMPDIR:-/tmp}/kwintel-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
source_copy=$work/kwintel

# The tracked files and the new ones git does not ignore, as they are in the working tree;
# without git, everything but the build folders.
mkdir "$source_copy"
if git -C "$root" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [[ -e $file || -L $file ]] && printf '%s\0' "$file"; done |
    tar -cf - --null --no-recursion -T -) | tar -xf - -C "$source_copy"
else
  (cd "$root" && tar -cf - --exclude='./build*' --exclude='./fuzz/out' .) | tar -xf - -C "$source_copy"
fi

# One job per core unless the caller chose.
options=${DEB_BUILD_OPTIONS:-}
[[ $options == *parallel=* ]] || options="$options parallel=$(nproc)"
export DEB_BUILD_OPTIONS=${options# }

mkdir -p "$out"
rm -f "$out"/kwintel_* "$out"/kwintel-dbgsym_*
echo "Building the Debian package in $source_copy (DEB_BUILD_OPTIONS=$DEB_BUILD_OPTIONS)"
if ! (cd "$source_copy" && dpkg-buildpackage -us -uc -b) > "$out/build.log" 2>&1; then
  tail -n 60 "$out/build.log"
  echo "make deb: dpkg-buildpackage failed; the whole log is $out/build.log"
  exit 1
fi
mv "$work"/*.deb "$work"/*.changes "$work"/*.buildinfo "$out"/
grep -E '^(100% tests passed|[0-9]+% tests passed)' "$out/build.log" || true
ls "$out"/*.deb
