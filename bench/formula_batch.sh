#!/usr/bin/env bash
# Times `molva --batch` on 100,000 formula lines against the mf-parser package
# run warm in node, in one run, and prints both figures a line.
# Usage: formula_batch.sh [build-dir] [lines] [runs]   (build/ 100000 7 by default)
# Needs a built molva, node and npm; mf-parser is installed into the build
# directory on first use.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "${1:-$top/build}" && pwd)
work="$build_dir/bench-formula"
mkdir -p "$work"
if [ ! -d "$work/node_modules/mf-parser" ]; then
    npm install --prefix "$work" --no-audit --no-fund --silent mf-parser@3.9.3
fi
node "$top/bench/formula_batch.mjs" "$build_dir/bin/molva" "$work/node_modules" "$work" \
    "${2:-100000}" "${3:-7}"
