#!/usr/bin/env bash
# Builds the line fuzzer with clang and runs it, seeded with every typed line of
# the engine's test table. Usage: fuzz.sh [seconds]   (60 by default)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build_dir="$top/build-fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_FUZZERS=ON -DBUILD_BENCHMARKS=OFF -DWARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build_dir" --target molva_line_fuzzer
corpus="$build_dir/corpus"
rm -rf "$corpus" && mkdir -p "$corpus"
n=0
while IFS=$'\t' read -r typed _; do
    case "$typed" in ''|//*|@*) continue ;; esac
    n=$((n + 1))
    printf '%s' "$typed" >"$corpus/seed-$n"
done <"$top/molva/engine/tests/lines.tsv"
cd "$build_dir"
./molva/engine/fuzz/molva_line_fuzzer "$corpus" -max_total_time="$seconds" -timeout=10 \
    -max_len=4096 -rss_limit_mb=2048 -print_final_stats=1
