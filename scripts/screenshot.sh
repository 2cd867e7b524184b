#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/screenshot.png: the window on a virtual X display after the
# metric worked example has been typed in and calculated; and
# docs/operating-point.png: the Operating Point window on that example
# with a die of four 3.5 mm holes, 12.5 mm long; and docs/about.png.
# Usage: scripts/screenshot.sh [build folder] [output picture] [operating point picture]
#        [About picture]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=$(realpath -m "${2:-docs/screenshot.png}")
op=$(realpath -m "${3:-docs/operating-point.png}")
about=$(realpath -m "${4:-docs/about.png}")
cmake --build "$build" --target veredod_gui_session_test veredod_gui_window_test >/dev/null
VEREDOD_SCREENSHOT="$out" VEREDOD_OPERATING_POINT_SCREENSHOT="$op" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x900x24" "$build/tests/gui/veredod_gui_session_test" \
  typedWorkedExampleCalculates operatingPointShowsFollowsAndExports >/dev/null
VEREDOD_ABOUT_SCREENSHOT="$about" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x900x24" "$build/tests/gui/veredod_gui_window_test" \
  aboutWindowFollowsLinksClosesWithEscapeAndIsOne >/dev/null
echo "$out"
echo "$op"
echo "$about"
