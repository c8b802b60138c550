#!/bin/sh
# Builds the viewer for Windows x86_64 and starts it under Wine on a copy of
# the bundled sample data (samples/), so File > Clear cannot delete the
# originals. On a display, the viewer opens there and this script waits until
# it is closed. With no display, it runs on a private one (Xvfb), saves a
# picture of the window and prints where it is. Needs what scripts/setup.sh
# installs (scripts/run.sh runs both).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LOMVEX_WIN64_BUILD:-$root/build/win64}
. "$root/scripts/wine_display.sh"

[ -f "$build/CMakeCache.txt" ] || (cd "$root" && cmake --preset win64 >/dev/null)
cmake --build "$build" --target Lomvex lomvex_gui_driver -j2

run=$build/viewer-run
rm -rf "$run"
mkdir -p "$run/data"
cp -R "$root/samples/." "$run/data/"
cp "$build/bin/Lomvex.exe" "$run/"
printf '[BlackIce]\r\nFileLocation=%s\r\nFileSet=1\r\n' \
  "$(windows_path "$run/data/attack-list.csv")" >"$run/Lomvex.Ini"

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting Lomvex on $DISPLAY (settings: $run/Lomvex.Ini)"
  exec "$build/wine-run" "$run/Lomvex.exe"
fi

start_work_folder lomvex-view
start_virtual_display
echo "No display: running Lomvex on a private one ($DISPLAY)"
cp "$build/tests/gui/lomvex_gui_driver.exe" "$work/driver.exe"
# The driver's own lines go to a file: shown only when it fails.
if ! run_on_wine_desktop "$build/wine-run" "lomvex-view-$$" 180 "$work/driver.exe" show \
  "$(windows_path "$run")" "$(windows_path "$work/shot.bmp")" >"$work/show.out" 2>&1 </dev/null ||
  [ ! -s "$work/shot.bmp" ]; then
  tr -d '\r' <"$work/show.out" >&2
  echo "The viewer's picture could not be taken." >&2
  exit 1
fi
shot=$run/lomvex-main-window.png
convert "$work/shot.bmp" "$shot"
echo "Screenshot of the viewer on the sample data: $shot"
