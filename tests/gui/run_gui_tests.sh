#!/bin/sh
# Runs the viewer's GUI checks under Wine on a private X display.
#   run_gui_tests.sh WINE_RUN LOMVEX_EXE DRIVER_EXE SAMPLE_CSV ARTIFACT_DIR
# The run gets a fresh folder with Lomvex.exe; the driver writes the settings
# file and the attack list there. The picture of the main window on the sample
# data is kept in ARTIFACT_DIR.
set -eu
wine_run=$1 lomvex=$2 driver=$3 sample=$4 artifacts=$5
. "$(dirname "$0")/../../scripts/wine_display.sh"
mkdir -p "$artifacts"
start_work_folder lomvex-gui
start_virtual_display

mkdir "$work/viewer"
cp "$lomvex" "$work/viewer/Lomvex.exe"
cp "$driver" "$work/driver.exe"
cp "$sample" "$work/sample.csv"
# Output through a file: Wine's background processes may outlive the driver.
run_on_wine_desktop "$wine_run" "lomvex-gui-$$" 270 "$work/driver.exe" \
  "$(windows_path "$work/viewer")" "$(windows_path "$work/sample.csv")" \
  "$(windows_path "$work/shot.bmp")" >"$work/out" 2>&1 </dev/null || true
tr -d '\r' <"$work/out" | tee "$artifacts/driver.txt"
if [ -f "$work/shot.bmp" ]; then
  convert "$work/shot.bmp" "$artifacts/lomvex-main-window.png"
  echo "screenshot: $artifacts/lomvex-main-window.png"
fi
# The desktop does not hand on the driver's exit status: its summary tells.
grep -q '^\[  PASSED  \]' "$artifacts/driver.txt" && ! grep -q '^\[  FAILED  \]' "$artifacts/driver.txt"
