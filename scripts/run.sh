#!/bin/sh
# Sets up the machine, builds, and runs the main job on the bundled sample data.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
if [ -x scripts/run-viewer.sh ]; then
  exec scripts/run-viewer.sh "$@"
fi
cmake --preset native >/dev/null
cmake --build --preset native --target lomvex-print
build/native/tools/lomvex_print/lomvex-print samples/attack-list.csv
