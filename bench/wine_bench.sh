#!/usr/bin/env bash
# The window's search against a bare listing, under Wine on a private Xvfb:
#
#     bench/wine_bench.sh [--files N] [--runs R]
#     bench/wine_bench.sh --index [--files N] [--runs R]
#     bench/wine_bench.sh --checked-copy [--runs R] [--scale PERCENT]
#     bench/wine_bench.sh --suggest [--files N] [--runs R]
#     bench/wine_bench.sh --big-list [ROWS] [RUNS] [ONLY]
#     bench/wine_bench.sh --big-list names COUNT
#
# Makes the benchmark's own Wine prefix once (build/wine-bench-prefix), then
# runs bench/wine_bench.py in it, or with --index bench/wine_index_bench.py
# (the search through the folder index), or with --checked-copy
# bench/checked_copy_bench.py (copies read back or not), with --suggest
# bench/wine_suggest_bench.py (what the suggestions cost), or with
# --big-list bench/big_list_bench.cpp (actions on a big result list); see
# there for what is measured. VORLIX_BENCH_PRESET=mingw-i686 measures the
# 32-bit programs in the searches.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine_env.sh

prefix=$PWD/build/wine-bench-prefix
if ! prefix_is_ready "$prefix" .complete; then
  make_wine_prefix "$prefix" unmanaged
  touch "$prefix/.complete"
fi
export WINEPREFIX=$prefix
trap 'stop_private_display; wineserver -k 2>/dev/null || true' EXIT
start_private_display
if [[ ${1-} == --index ]]; then
  python3 bench/wine_index_bench.py "${@:2}"
elif [[ ${1-} == --suggest ]]; then
  python3 bench/wine_suggest_bench.py "${@:2}"
elif [[ ${1-} == --big-list ]]; then
  cmake --preset mingw >/dev/null && cmake --build --preset mingw --target big_list_bench >/dev/null
  (cd build/mingw/bench && wine big_list_bench.exe "${@:2}")
elif [[ ${1-} == --checked-copy ]]; then
  python3 bench/checked_copy_bench.py "${@:2}"
else
  python3 bench/wine_bench.py "$@"
fi
