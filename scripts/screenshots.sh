#!/usr/bin/env bash
# Renders the README's screenshots into docs/ under a virtual X display.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build"
xvfb-run -a -s '-screen 0 1280x1024x24' "$top/build/tools/screenshots" "$top/build/bin" "$top/docs"
ls -l "$top"/docs/*.png
