#!/bin/sh
# Builds the viewer for Windows x86_64 and starts it under Wine on a copy of
# the bundled sample data (samples/), so File > Clear cannot delete the
# originals. On a display, the viewer opens there and this script waits until
# it is closed. With no display, it runs on a virtual one (Xvfb), saves a
# screenshot of the window and prints where it is.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LOMVEX_WIN64_BUILD:-$root/build/win64}

"$root/scripts/setup.sh"
[ -f "$build/CMakeCache.txt" ] || (cd "$root" && cmake --preset win64 >/dev/null)
cmake --build "$build" --target Lomvex lomvex_gui_driver -j2

run=$build/viewer-run
rm -rf "$run"
mkdir -p "$run/data"
cp -R "$root/samples/." "$run/data/"
cp "$build/bin/Lomvex.exe" "$run/"
. "$root/tests/gui/virtual_display.sh"
printf '[BlackIce]\r\nFileLocation=%s\r\nFileSet=1\r\n' \
  "$(windows_path "$run/data/attack-list.csv")" >"$run/Lomvex.Ini"

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting Lomvex on $DISPLAY (settings: $run/Lomvex.Ini)"
  exec "$build/wine-run" "$run/Lomvex.exe"
fi

start_work_folder lomvex-view
start_virtual_display

shot=$run/lomvex-main-window.png
cp "$build/tests/gui/lomvex_gui_driver.exe" "$run/driver.exe"
echo "No display: running Lomvex on a virtual one ($DISPLAY)"
timeout 180 "$build/wine-run" explorer "/desktop=lomvex-view-$$,1024x768" \
  "$(windows_path "$run/driver.exe")" show "$(windows_path "$run")" \
  "$(windows_path "$run/shot.bmp")" 2>/dev/null | tr -d '\r' | grep -v '^ok' || true
convert "$run/shot.bmp" "$shot"
rm -f "$run/shot.bmp" "$run/driver.exe"
echo "Screenshot of the viewer on the sample data: $shot"
