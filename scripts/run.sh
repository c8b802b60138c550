#!/bin/sh
# Sets up the machine, then builds the viewer and runs it on the bundled sample data.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
exec "$root/scripts/run-viewer.sh" "$@"
