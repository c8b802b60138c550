#!/bin/sh
# Measures the viewer under Wine on a large attack list: the time from start
# to a painted list, of a sort by a column click (each order), and of the End
# key to the last row.
#   bench/gui/measure_large_list.sh [ROWS]      (default 1000000; needs build/win64)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
rows=${1:-1000000}
build=${LOMVEX_WIN64_BUILD:-$root/build/win64}
. "$root/scripts/wine_display.sh"
cmake --build "$build" --target Lomvex lomvex_large_list_driver -j2 >/dev/null

start_work_folder lomvex-bench
python3 "$root/bench/gui/make_large_attack_list.py" "$work/attack-list.csv" "$rows"
echo "attack list: $rows records, $(du -m "$work/attack-list.csv" | cut -f1) MB"
cp "$build/bin/Lomvex.exe" "$work/"
cp "$build/bench/gui/lomvex_large_list_driver.exe" "$work/driver.exe"
start_virtual_display
"$build/wine-run" wineboot >/dev/null 2>&1 || true
run_on_wine_desktop "$build/wine-run" "lomvex-bench-$$" 600 "$work/driver.exe" \
  "$(windows_path "$work")" "$rows" 2>/dev/null </dev/null | tr -d '\r'
