#!/bin/sh
# Sets up the machine, builds everything and runs every test: the native tests,
# the same under AddressSanitizer and UndefinedBehaviorSanitizer, the loader's
# fuzzer for 30 seconds, the Windows x86_64 tests under Wine, and the i686 build.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

step() { printf '\n== %s\n' "$*"; }

step "setup"
scripts/setup.sh

step "native: build and test"
cmake --workflow --preset native

step "native under ASan and UBSan"
cmake --preset asan >/dev/null
cmake --build --preset asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan

step "fuzzing the loader for 30 seconds"
fuzz/run_fuzz.sh 30 >build/fuzz-run.log 2>&1 || { tail -40 build/fuzz-run.log; exit 1; }
grep -E '^Done|peak_rss' build/fuzz-run.log

step "Windows x86_64: build, and test under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64
# Windows need an X display under Wine; without one, a private Xvfb serves.
(
  . scripts/wine_display.sh
  start_work_folder lomvex-test-all
  ensure_display 1280x1024
  ctest --preset win64
)

step "Windows i686: build, link and check the binaries"
cmake --workflow --preset win32

step "all tests passed"
