#!/bin/sh
# Runs a Windows test that needs an X display under Wine: on the caller's
# display, or else on a private Xvfb. Either way the test may count on the
# shell's tray being there.
#   run_with_display.sh WINE_RUNNER TEST_PROGRAM [ARGS...]
set -eu
export LOMVEX_TRAY_REQUIRED=1
# The output goes through a file: Wine's background processes (the desktop,
# the services) inherit the test's output and may outlive it, which would keep
# the caller waiting on a pipe.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
if [ -n "${DISPLAY:-}" ]; then
  "$@" >"$log" 2>&1 </dev/null || status=$?
else
  # Start the search for a free server number apart from other test runs.
  xvfb-run -a -n $((100 + $$ % 400)) -s "-screen 0 800x600x24" "$@" >"$log" 2>&1 </dev/null ||
    status=$?
fi
cat "$log"
exit "$status"
