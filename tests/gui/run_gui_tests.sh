#!/bin/sh
# Runs the viewer's GUI checks under Wine on a private X display.
#   run_gui_tests.sh WINE_RUN LOMVEX_EXE DRIVER_EXE SAMPLE_CSV ARTIFACT_DIR
# Each run gets a fresh folder with Lomvex.exe; the driver writes the settings
# file and the attack list there. The picture of the main window on the sample
# data is kept in ARTIFACT_DIR.
set -eu
wine_run=$1 lomvex=$2 driver=$3 sample=$4 artifacts=$5
. "$(dirname "$0")/../../scripts/wine_display.sh"
mkdir -p "$artifacts"
start_work_folder lomvex-gui
start_virtual_display

cp "$driver" "$work/driver.exe"
cp "$sample" "$work/sample.csv"
status=0
for mode in suite tick; do
  mkdir -p "$work/$mode"
  cp "$lomvex" "$work/$mode/Lomvex.exe"
  shot=""
  [ "$mode" = tick ] || shot=$(windows_path "$work/shot.bmp")
  # Output through files: Wine's background processes may outlive the driver.
  run_on_wine_desktop "$wine_run" "lomvex-$mode-$$" 240 "$work/driver.exe" "$mode" \
    "$(windows_path "$work/$mode")" "$(windows_path "$work/sample.csv")" $shot \
    >"$work/$mode.out" 2>"$work/$mode.err" </dev/null || true
  tr -d '\r' <"$work/$mode.out" | tee "$artifacts/$mode.txt"
  if ! grep -Eq '^[0-9]+ passed, 0 failed$' "$artifacts/$mode.txt"; then
    echo "$mode: the driver did not finish cleanly" >&2
    cat "$work/$mode.err" >&2
    status=1
  fi
done
if [ -f "$work/shot.bmp" ]; then
  convert "$work/shot.bmp" "$artifacts/lomvex-main-window.png"
  echo "screenshot: $artifacts/lomvex-main-window.png"
fi
exit $status
