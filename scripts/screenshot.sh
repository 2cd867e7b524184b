#!/usr/bin/env bash
# Takes docs/screenshot.png: the window on a virtual X display after the
# metric worked example has been typed in and calculated.
# Usage: scripts/screenshot.sh [build folder] [output picture]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=$(realpath -m "${2:-docs/screenshot.png}")
cmake --build "$build" --target veredod_gui_session_test >/dev/null
VEREDOD_SCREENSHOT="$out" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x900x24" "$build/tests/gui/veredod_gui_session_test" \
  typedWorkedExampleReachesTheCase calculateListsTheResults >/dev/null
echo "$out"
