#!/bin/sh
# Runs the viewer's GUI checks in a fresh folder with Lomvex.exe and the sample's issue list and
# host files; keeps the driver's output and its pictures, as PNG, in ARTIFACT_DIR.
#   run_gui_tests.sh WINE_RUN LOMVEX_EXE DRIVER_EXE SAMPLE_CSV ARTIFACT_DIR [PELMAR_DLL]
set -eu
wine_run=$1 lomvex=$2 driver=$3 sample=$4 artifacts=$5 pelmar=${6:-}
. "$(dirname "$0")/../../scripts/wine_display.sh"
start_work_folder lomvex-gui
mkdir -p "$artifacts" "$work/viewer"
cp "$lomvex" "$work/viewer/Lomvex.exe"
cp -r "$(dirname "$sample")/issuelist.csv" "$(dirname "$sample")/hosts" "$work/viewer/"
passed=true
"$(dirname "$0")/../support/run_on_desktop.sh" "$wine_run" 270 "$artifacts/driver.txt" "$driver" \
  "$(windows_path "$work/viewer")" "$(windows_path "$sample")" \
  "$(windows_path "$work")" ${pelmar:+"$(windows_path "$pelmar")"} || passed=false
for shot in "$work"/*.bmp; do
  [ ! -f "$shot" ] || convert "$shot" "$artifacts/$(basename "$shot" .bmp).png"
done
$passed
