#!/bin/sh
# Builds the loader's fuzz target with clang and runs it for a bounded time,
# with big inputs (lines of megabytes, 100,000 commas) allowed.
#   fuzz/run_fuzz.sh [SECONDS]   (default 30)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_attack_list
work=build/fuzz/corpus
mkdir -p "$work"
# Hand-made edge inputs beside the kept corpus.
python3 - "$work" <<'PY'
import sys, os
d = sys.argv[1]
head = b"h\r\nh\r\n"
cases = {
    "megabyte-line": head + b"5," + b"x" * (2 << 20) + b",i,t,a,n,h,0,,1\r\n",
    "commas": head + b"," * 100000 + b"\r\n",
    "nul-bytes": head + b"5,\0\0\0,\0,\0,\0,\0,\0,\0,\0,\0\r\n",
    "binary": bytes(range(256)) * 64,
}
for name, data in cases.items():
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)
PY
./build/fuzz/fuzz/fuzz_attack_list -max_total_time="$seconds" -max_len=4194304 -rss_limit_mb=4096 \
  -timeout=20 -print_final_stats=1 "$work" fuzz/corpus
