#!/bin/sh
# Runs the viewer's GUI checks under Wine on a private X display.
#   run_gui_tests.sh WINE_RUN LOMVEX_EXE DRIVER_EXE SAMPLE_CSV ARTIFACT_DIR [PELMAR_DLL]
# The run gets a fresh folder with Lomvex.exe and the sample's issue list and
# host files; the driver writes the settings file and the attack list there.
# The pictures of the main window and of the information window's two views
# on the sample data are kept in ARTIFACT_DIR.
set -eu
wine_run=$1 lomvex=$2 driver=$3 sample=$4 artifacts=$5 pelmar=${6:-}
. "$(dirname "$0")/../../scripts/wine_display.sh"
mkdir -p "$artifacts"
start_work_folder lomvex-gui
start_virtual_display

mkdir "$work/viewer"
cp "$lomvex" "$work/viewer/Lomvex.exe"
cp "$driver" "$work/driver.exe"
cp "$sample" "$work/sample.csv"
cp "$(dirname "$sample")/issuelist.csv" "$work/viewer/"
cp -r "$(dirname "$sample")/hosts" "$work/viewer/"
# Output through a file: Wine's background processes may outlive the driver.
run_on_wine_desktop "$wine_run" "lomvex-gui-$$" 270 "$work/driver.exe" \
  "$(windows_path "$work/viewer")" "$(windows_path "$work/sample.csv")" \
  "$(windows_path "$work/shot.bmp")" ${pelmar:+"$(windows_path "$pelmar")"} \
  >"$work/out" 2>&1 </dev/null || true
tr -d '\r' <"$work/out" | tee "$artifacts/driver.txt"
[ ! -f "$work/shot.bmp" ] || mv "$work/shot.bmp" "$work/lomvex-main-window.bmp"
for shot in "$work"/*.bmp; do
  [ -f "$shot" ] || continue
  png="$artifacts/$(basename "$shot" .bmp).png"
  convert "$shot" "$png"
  echo "screenshot: $png"
done
# The desktop does not hand on the driver's exit status: its summary tells.
grep -q '^\[  PASSED  \]' "$artifacts/driver.txt" && ! grep -q '^\[  FAILED  \]' "$artifacts/driver.txt"
