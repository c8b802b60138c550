#!/bin/sh
# Runs the tray control's Windows test under Wine on a desktop of its own, which
# has a tray, on the caller's X display or else a private one.
#   run_with_display.sh WINE_RUN TEST_PROGRAM
set -eu
. "$(dirname "$0")/../../scripts/wine_display.sh"
start_work_folder lomvex-tray
ensure_display
# Output through a file: Wine's background processes may outlive the test.
run_on_wine_desktop "$1" "lomvex-tray-$$" 120 "$2" >"$work/out" 2>&1 </dev/null || true
tr -d '\r' <"$work/out"
# The desktop does not hand on the test's exit status: gtest's summary tells.
grep -q '^\[  PASSED  \]' "$work/out" && ! grep -q '^\[  FAILED  \]' "$work/out"
