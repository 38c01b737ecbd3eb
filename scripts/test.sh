#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test.
# SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
if [ "${SANITIZE:-0}" = 1 ]; then
    build_dir="$top/build-sanitize"
    extra=(-DSANITIZE=ON -DBUILD_BENCHMARKS=OFF)
else
    build_dir="$top/build"
    extra=()
fi
"$top/scripts/build.sh" "$build_dir" -DWARNINGS_AS_ERRORS=ON "${extra[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
