#!/usr/bin/env bash
# Builds the Debian package into build/, unpacks it into a temporary root and
# runs both programs from there: molva's batch mode on a small file, and
# galvix3 offscreen until it has started (it is still running when stopped).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build"
(cd "$top/build" && cpack -G DEB >/dev/null)
package=$(ls "$top"/build/galvix-molva_*.deb | head -n 1)
echo "Built $package"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$package" "$root"

printf 'H2O\nK2Cr2O7\n#fix2\n1/3\n' >"$root/task.tsk"
expected=$'H2O = 18.0153\nK2Cr2O7 = 294.1846\n#fix2\n1/3 = 0.33'
actual=$("$root/usr/bin/molva" --batch "$root/task.tsk")
if [ "$actual" != "$expected" ]; then
    echo "molva --batch from the package printed:"; echo "$actual"; exit 1
fi
"$root/usr/bin/molva" --help | grep -q -- '--batch'

home="$root/home"
mkdir -p "$home"
status=0
HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/galvix3" >/dev/null 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    echo "galvix3 from the package ended with status $status instead of running"; exit 1
fi
for file in Data.dat Ele.dat Sources.dat Custom.dat; do
    [ -f "$home/.local/share/Galvix3/$file" ] || { echo "galvix3 did not seed $file"; exit 1; }
done
echo "The package's programs start and work."
