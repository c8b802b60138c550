#!/bin/sh
# Runs the tray control's Windows test under Wine on a desktop of its own, which
# has a tray, on the caller's X display or else a private one.
#   run_with_display.sh WINE_RUN TEST_PROGRAM
set -eu
wine_run=$1 program=$2
. "$(dirname "$0")/../../scripts/wine_display.sh"
start_work_folder lomvex-tray
ensure_display
export LOMVEX_TRAY_REQUIRED=1
# Output through a file: Wine's background processes may outlive the test.
run_on_wine_desktop "$wine_run" "lomvex-tray-$$" 120 "$program" >"$work/out" 2>&1 </dev/null || true
tr -d '\r' <"$work/out"
# The desktop does not hand on the test's exit status: gtest's summary tells.
grep -q '^\[  PASSED  \]' "$work/out" && ! grep -q '^\[  FAILED  \]' "$work/out"
