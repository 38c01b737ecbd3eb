#!/usr/bin/env bash
# Configures and builds the project into a build directory.
# Usage: build.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$top/build"}
shift || true
cmake -S "$top" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$build_dir"
