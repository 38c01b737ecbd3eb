#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for the given time: Molva's line
# path and Galvix3's data-file readers. Each runs on a copy of its corpus kept
# in the repository, so a run never loses what earlier runs found.
# Usage: fuzz.sh [seconds] [--keep]   (60 seconds by default)
#   --keep  also seeds each corpus from the test tables and the shipped data,
#           and merges what the run found into the kept corpus, minimised.
# FUZZ_LONG_LINES=1 adds Molva lines at the 32,767-character limit to the run's
# seeds. They are left out otherwise, as their mutations still make lines that
# run for seconds, which the fuzzer reports as time-outs rather than finding
# anything else: an operator put into a line of lower-case formulas makes every
# case repair normalise the whole line again (a line of letters and digits alone
# is repaired quickly), and mutations of the deep brackets also run past the
# time-out in the fuzzer's instrumented build.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
keep=${2:-}
build_dir="$top/build-fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_FUZZERS=ON -DBUILD_BENCHMARKS=OFF -DWARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build_dir" --target molva_line_fuzzer galvix_file_reader_fuzzer

# Every typed line of the engine's test table, one file each.
seed_lines() {
    local n=0 typed
    while IFS=$'\t' read -r typed _; do
        case "$typed" in '' | //* | @*) continue ;; esac
        n=$((n + 1))
        printf '%s' "$typed" >"$1/line-$n"
    done <"$top/molva/engine/tests/lines.tsv"
}

# Lines at and just past the 32,767-character limit, which no mutation of
# short lines would grow to within a run; in lower case, every formula of a
# line needs a case repair.
seed_long_lines() {
    [ "${FUZZ_LONG_LINES:-0}" = 1 ] || return 0
    python3 - "$1" <<'PY'
import sys
folder = sys.argv[1]
for name, line in {
    "sum-at-limit": ("1+" * 16384)[:32767],
    "sum-past-limit": ("1+" * 16384)[:32766] + "12",
    "formula-at-limit": ("H2O" * 10923)[:32767],
    "lower-case-formulas-at-limit": ("h2o" * 10923)[:32767],
    "lower-case-mix-at-limit": ("nh3cuso4h2so4c6h12o6hno3" * 1400)[:32767],
    "capitals-at-limit": ("AG" * 16384)[:32767],
    "brackets-deep": "(" * 5000 + "1" + ")" * 5000,
}.items():
    with open(f"{folder}/{name}", "w") as out:
        out.write(line)
PY
}

# The shipped data files and hand-made edge cases, each after the byte that
# picks its reader: 0 Data.dat, 1 Custom.dat, 2 Saved.dat, 3 Ele.dat, 4 Sources.dat.
seed_files() {
    local data="$top/galvix/data" n=0 seed
    for pair in "0:Data.dat" "1:Custom.dat" "3:Ele.dat" "4:Sources.dat"; do
        { printf "\\x0${pair%%:*}"; cat "$data/${pair#*:}"; } >"$1/file-${pair#*:}"
    done
    for seed in \
        '\x01''2\r\n"Ag -> Ag+ + e",-0.8\r\n"Cu -> Cu\xa2\xa3 + 2e",-.34\r\n' \
        '\x01''1\r\nA"B -> C + e,0.5\r\n' \
        '\x01''1\r\n"A, B -> C + 10e",1e-05\r\n' \
        '\x01''1\r\n"A -> B + e",1e999\r\n' \
        '\x01''1\r\n"multi\r\nline -> B + e",0.1234567890123456789\r\n' \
        '\x01''300\r\n' \
        '\x02''"name","A -> B + e","B + e -> A"\r\n"two","C","D"' \
        '\x03''1,"AC","Actinium",89\r\n1e30,"X","Y",-5\r\n' \
        '\x00''0.8,"A -> B + e"\r\n\x00,"x"'; do
        n=$((n + 1))
        printf "$seed" >"$1/case-$n"
    done
}

failed=0
run() {
    local fuzzer=$1 kept=$2 max_len=$3 seeder=$4 run_seeder=${5:-}
    local work="$build_dir/corpus-$(basename "$fuzzer")"
    rm -rf "$work" && mkdir -p "$work" "$kept"
    cp -r "$kept/." "$work/"
    if [ "$keep" = --keep ]; then
        "$seeder" "$work"
    fi
    if [ -n "$run_seeder" ]; then
        "$run_seeder" "$work"
    fi
    if ! (cd "$build_dir" && "$fuzzer" "$work" -max_total_time="$seconds" -timeout=10 \
        -max_len="$max_len" -rss_limit_mb=2048 -print_final_stats=1); then
        failed=1
        return
    fi
    if [ "$keep" = --keep ]; then
        local merged="$build_dir/merged-$(basename "$fuzzer")"
        rm -rf "$merged" && mkdir -p "$merged"
        (cd "$build_dir" && "$fuzzer" -merge=1 -max_len="$max_len" "$merged" "$work")
        rm -rf "$kept" && cp -r "$merged" "$kept"
    fi
}

# Lines up to past the calculator's 32,767-character limit; whole data files.
run "$build_dir/molva/engine/fuzz/molva_line_fuzzer" "$top/molva/engine/fuzz/corpus" 40000 seed_lines \
    seed_long_lines
run "$build_dir/galvix/core/fuzz/galvix_file_reader_fuzzer" "$top/galvix/core/fuzz/corpus" 65536 \
    seed_files
exit "$failed"
