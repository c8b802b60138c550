# Shell helpers for running the viewer under Wine on a private X display.
# Source it, then: start_virtual_display WORK_DIR (sets DISPLAY and xvfb_pid;
# the caller kills "$xvfb_pid" when done). windows_path PATH gives the path as
# Wine's Z: drive names it.

windows_path() { printf 'Z:%s' "$1" | sed 's|/|\\|g'; }

start_virtual_display() {
  # Xvfb names a free display itself.
  exec 3>"$1/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$1/xvfb.log" 2>&1 &
  xvfb_pid=$!
  _tries=0
  while [ ! -s "$1/display" ] && [ $_tries -lt 100 ]; do sleep 0.1; _tries=$((_tries + 1)); done
  exec 3>&-
  DISPLAY=":$(head -n 1 "$1/display")"
  export DISPLAY
}
