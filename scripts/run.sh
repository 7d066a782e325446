#!/usr/bin/env bash
# Starts the desktop program; without a display, says so and shows an example search instead.
set -euo pipefail
build=${1:-build}
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$build/bin/kwintel" ]; then
  exec "$build/bin/kwintel"
fi
echo "Geen beeldscherm gevonden; voorbeeld met kwintel-cli: kwintel-cli -l 4 R..S"
exec "$build/bin/kwintel-cli" -l 4 R..S
