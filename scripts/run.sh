#!/usr/bin/env bash
# Installs what is missing, builds, and starts a program.
# Usage: run.sh [galvix3|molva] [program arguments...]   (galvix3 by default)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-galvix3}
shift || true
case "$program" in
    galvix3|molva) ;;
    *) echo "Unknown program '$program': choose galvix3 or molva." >&2; exit 2 ;;
esac
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build"
executable="$top/build/bin/$program"
if [ ! -x "$executable" ]; then
    echo "$program is not built yet: only its core library and tests exist so far." >&2
    exit 1
fi
exec "$executable" "$@"
