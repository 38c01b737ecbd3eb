#!/usr/bin/env bash
# Runs a command on a private virtual X display of 1280x1024, for the tests
# that must see a window as a real display shows it. Exit 77 (skipped) when
# xvfb-run is not installed.
set -euo pipefail
if ! command -v xvfb-run >/dev/null; then
    echo "xvfb-run is not installed: skipped"
    exit 77
fi
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' "$@"
