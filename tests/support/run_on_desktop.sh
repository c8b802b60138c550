#!/bin/sh
# Runs a Windows test program under Wine on a desktop of its own (with a tray) on a private X
# display; prints its output and keeps it in OUTPUT (through a file: Wine's background
# processes may outlive the program).
#   run_on_desktop.sh WINE_RUN SECONDS OUTPUT PROGRAM [ARGS...]
set -eu
wine_run=$1 seconds=$2 output=$3
shift 3
. "$(dirname "$0")/../../scripts/wine_display.sh"
start_work_folder lomvex-desktop
start_virtual_display
run_on_wine_desktop "$wine_run" "lomvex-$$" "$seconds" "$@" >"$work/out" 2>&1 </dev/null || true
tr -d '\r' <"$work/out" | tee "$output"
# The desktop does not hand on the program's exit status: gtest's summary tells.
grep -q '^\[  PASSED  \]' "$output" && ! grep -q '^\[  FAILED  \]' "$output"
