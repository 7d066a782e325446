#!/usr/bin/env bash
# scripts/test-packaging.sh [BUILD_DIR]: builds the Debian package (without running the test suite
# a second time: `make test` has just run it) and checks the .deb with tests/packaging/deb_test.sh.
# Skips with one line when the package tools are missing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-build}
[[ $build_dir = /* ]] || build_dir=$root/$build_dir

for tool in dpkg-buildpackage dh; do
  if ! command -v "$tool" > /dev/null; then
    echo "SKIP packaging: $tool not found (scripts/install-deps.sh installs dpkg-dev and debhelper)"
    exit 0
  fi
done

DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }nocheck" "$root/scripts/build-deb.sh" "$build_dir"
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
"$root/tests/packaging/deb_test.sh" "$build_dir/deb/kwintel_${version}_$(dpkg --print-architecture).deb"
