# Shell helpers for running the viewer under Wine on a private X display.
# Source it, then: start_work_folder NAME (a temporary folder in $work, removed
# at exit with the display), start_virtual_display (sets DISPLAY).
# windows_path PATH gives the path as Wine's Z: drive names it.

start_work_folder() {
  work=$(mktemp -d "/tmp/$1.XXXXXX")
  xvfb_pid=""
  trap finish_work_folder EXIT
  trap 'exit 130' INT TERM
}

finish_work_folder() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}

windows_path() { printf 'Z:%s' "$1" | sed 's|/|\\|g'; }

start_virtual_display() {
  # Xvfb names a free display itself.
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  _tries=0
  while [ ! -s "$work/display" ] && [ $_tries -lt 100 ]; do sleep 0.1; _tries=$((_tries + 1)); done
  exec 3>&-
  DISPLAY=":$(head -n 1 "$work/display")"
  export DISPLAY
}
