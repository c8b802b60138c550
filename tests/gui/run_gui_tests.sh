#!/bin/sh
# Runs the viewer's GUI checks under Wine on a private virtual X display.
#   run_gui_tests.sh WINE_RUN LOMVEX_EXE DRIVER_EXE SAMPLE_CSV ARTIFACT_DIR
# Each run gets a fresh folder with Lomvex.exe; the driver writes the settings
# file and the attack list there. The screenshot of the main window with the
# sample data is kept in ARTIFACT_DIR.
set -eu
wine_run=$1 lomvex=$2 driver=$3 sample=$4 artifacts=$5

mkdir -p "$artifacts"
. "$(dirname "$0")/virtual_display.sh"
start_work_folder lomvex-gui
start_virtual_display

cp "$driver" "$work/driver.exe"
cp "$sample" "$work/sample.csv"
status=0
for mode in suite tick; do
  folder="$work/$mode"
  mkdir -p "$folder"
  cp "$lomvex" "$folder/Lomvex.exe"
  shot=""
  [ "$mode" = suite ] && shot="$(windows_path "$work/shot.bmp")"
  # The driver and the viewer share one virtual desktop, which has window
  # frames; the desktop goes when its last program has ended.
  timeout 240 "$wine_run" explorer "/desktop=lomvex-$mode-$$,1024x768" \
    "$(windows_path "$work/driver.exe")" "$mode" "$(windows_path "$folder")" \
    "$(windows_path "$work/sample.csv")" $shot >"$work/$mode.out" 2>"$work/$mode.err" || true
  tr -d '\r' <"$work/$mode.out" | tee "$artifacts/$mode.txt"
  if ! tr -d '\r' <"$work/$mode.out" | grep -Eq '^[0-9]+ passed, 0 failed$'; then
    echo "$mode: the driver did not finish cleanly" >&2
    cat "$work/$mode.err" >&2
    status=1
  fi
done
if [ -f "$work/shot.bmp" ]; then
  convert "$work/shot.bmp" -crop 760x440+0+0 +repage "$artifacts/lomvex-main-window.png" &&
    echo "screenshot: $artifacts/lomvex-main-window.png"
fi
exit $status
