# Shell helpers for running Windows programs under Wine on an X display.
# Source it, then:
#   start_work_folder NAME     a temporary folder in $work, removed at exit
#                              (with the private display, if one was started)
#   start_virtual_display [WxH]  a private Xvfb (1024x768 unless given); sets
#                              DISPLAY, or exits with an error
#   ensure_display [WxH]       the caller's DISPLAY if set, else a private one
#   windows_path PATH          PATH as Wine's Z: drive names it
#   run_on_wine_desktop WINE_RUN NAME SECONDS PROGRAM [ARGS...]
#                              PROGRAM on a 1024x768 Wine desktop of its own, with
#                              window frames, a taskbar and a tray, stopped after
#                              SECONDS; the desktop goes when its last program ends

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
  command -v Xvfb >/dev/null || { echo "Xvfb is not installed (scripts/setup.sh)" >&2; exit 1; }
  # Xvfb picks a free display number itself and writes it to the descriptor.
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  _tries=0
  while [ ! -s "$work/display" ] && kill -0 "$xvfb_pid" 2>/dev/null && [ $_tries -lt 100 ]; do
    sleep 0.1
    _tries=$((_tries + 1))
  done
  _number=$(head -n 1 "$work/display" 2>/dev/null || true)
  if [ -z "$_number" ]; then
    echo "Xvfb gave no display:" >&2
    tail -n 5 "$work/xvfb.log" >&2
    exit 1
  fi
  DISPLAY=":$_number"
  export DISPLAY
}

ensure_display() {
  [ -n "${DISPLAY:-}" ] || start_virtual_display "$@"
}

run_on_wine_desktop() {
  _wine_run=$1 _name=$2 _seconds=$3 _program=$4
  shift 4
  timeout "$_seconds" "$_wine_run" explorer "/desktop=$_name,1024x768" \
    "$(windows_path "$_program")" "$@"
}
