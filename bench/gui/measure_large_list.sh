#!/bin/sh
# Measures the viewer under Wine on a large attack list: the time from start
# to a painted list, of a sort by a column click (each order), and of the End
# key to the last row.
#   bench/gui/measure_large_list.sh [ROWS]      (default 1000000; needs build/win64)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
rows=${1:-1000000}
build=${LOMVEX_WIN64_BUILD:-$root/build/win64}
cmake --build "$build" --target Lomvex lomvex_gui_driver -j2 >/dev/null

. "$root/tests/gui/virtual_display.sh"
start_work_folder lomvex-bench

python3 "$root/bench/gui/make_large_attack_list.py" "$work/attack-list.csv" "$rows"
echo "attack list: $rows records, $(du -m "$work/attack-list.csv" | cut -f1) MB"
cp "$build/bin/Lomvex.exe" "$work/"
cp "$build/tests/gui/lomvex_gui_driver.exe" "$work/driver.exe"

start_virtual_display

"$build/wine-run" wineboot >/dev/null 2>&1 || true
timeout 600 "$build/wine-run" explorer "/desktop=lomvex-bench-$$,1024x768" \
  "$(windows_path "$work/driver.exe")" bench "$(windows_path "$work")" "$rows" 2>/dev/null |
  tr -d '\r'
