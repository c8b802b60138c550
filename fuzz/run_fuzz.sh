#!/bin/sh
# Builds the fuzz targets of the loader and of the information window's
# readers with clang and runs each for a bounded time, with big inputs (lines
# of megabytes, 100,000 commas) allowed, from the kept seeds (fuzz/corpus/)
# and the generated edge inputs.
#   fuzz/run_fuzz.sh [SECONDS]   (default 30)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_attack_list fuzz_info_readers
work=build/fuzz/corpus
python3 fuzz/make_edge_seeds.py "$work"
./build/fuzz/fuzz/fuzz_attack_list -max_total_time="$seconds" -max_len=4194304 -rss_limit_mb=4096 \
  -timeout=20 -print_final_stats=1 "$work" fuzz/corpus
# The information window's readers, as long again: the same inputs serve as
# issue lists and host files; what they find is kept in a folder of their own.
mkdir -p build/fuzz/info-corpus
./build/fuzz/fuzz/fuzz_info_readers -max_total_time="$seconds" -max_len=4194304 -rss_limit_mb=4096 \
  -timeout=20 -print_final_stats=1 build/fuzz/info-corpus "$work" fuzz/corpus
