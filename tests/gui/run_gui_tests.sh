#!/bin/sh
# Runs the viewer's GUI checks under Wine on a private X display, in a fresh
# folder with Lomvex.exe and the sample's issue list and host files; keeps the
# driver's output and the pictures it takes, as PNG, in ARTIFACT_DIR.
#   run_gui_tests.sh WINE_RUN LOMVEX_EXE DRIVER_EXE SAMPLE_CSV ARTIFACT_DIR [PELMAR_DLL]
set -eu
wine_run=$1 lomvex=$2 driver=$3 sample=$4 artifacts=$5 pelmar=${6:-}
. "$(dirname "$0")/../../scripts/wine_display.sh"
mkdir -p "$artifacts"
start_work_folder lomvex-gui
start_virtual_display
mkdir "$work/viewer"
cp "$lomvex" "$work/viewer/Lomvex.exe"
cp -r "$(dirname "$sample")/issuelist.csv" "$(dirname "$sample")/hosts" "$work/viewer/"
# Output through a file: Wine's background processes may outlive the driver.
run_on_wine_desktop "$wine_run" "lomvex-gui-$$" 270 "$driver" \
  "$(windows_path "$work/viewer")" "$(windows_path "$sample")" \
  "$(windows_path "$work")" ${pelmar:+"$(windows_path "$pelmar")"} \
  >"$work/out" 2>&1 </dev/null || true
tr -d '\r' <"$work/out" | tee "$artifacts/driver.txt"
for shot in "$work"/*.bmp; do
  [ ! -f "$shot" ] || convert "$shot" "$artifacts/$(basename "$shot" .bmp).png"
done
# The desktop does not hand on the driver's exit status: its summary tells.
grep -q '^\[  PASSED  \]' "$artifacts/driver.txt" && ! grep -q '^\[  FAILED  \]' "$artifacts/driver.txt"
