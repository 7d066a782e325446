#!/usr/bin/env bash
# Takes a picture of Kwintel's main dialog on a virtual X display (xvfb-run, ImageMagick's import).
#
#   scripts/screenshot.sh [build-folder] [picture.png] [pattern]
#
# With a pattern, the program types it into the pattern box and presses Enter once the dialog
# shows (KWINTEL_SCREENSHOT_PATTERN), so the picture shows a search's result; before that it clicks
# the controls whose ids KWINTEL_SCREENSHOT_CLICKS lists (e.g. 1037,1167: "Rijm" and "Gangbaar").
# The virtual display has no window manager, so the picture shows the dialog without a title bar.
set -euo pipefail

build=${1:-build}
picture=${2:-kwintel.png}
pattern=${3:-}
delay=${KWINTEL_SCREENSHOT_DELAY:-3}
program=$build/bin/kwintel

for tool in xvfb-run import convert; do
  command -v "$tool" > /dev/null || { echo "screenshot.sh: $tool ontbreekt (scripts/install-deps.sh)" >&2; exit 1; }
done
[ -x "$program" ] || { echo "screenshot.sh: $program niet gevonden; eerst bouwen" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Qt wants a private runtime folder; the virtual display's session has none of its own.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}

if [ -n "$pattern" ]; then
  export KWINTEL_SCREENSHOT_PATTERN=$pattern
fi
# -embedding keeps the tip of the day out of the picture. The program starts in the build's bin
# folder, where its word files and help document are.
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  (cd "$(dirname "$1")" && exec "$1" -embedding) & program=$!
  sleep "$2"
  import -window root "$3"
  kill "$program" 2> /dev/null || true
  wait "$program" 2> /dev/null || true
' screenshot "$(realpath "$program")" "$delay" "$work/screen.png"

# The dialog on the black screen: cut away the black around it.
convert "$work/screen.png" -trim +repage "$picture"
echo "$picture"
