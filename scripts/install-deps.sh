#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run Galvix3 and Molva.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6svg6
    libgtest-dev libgmock-dev libbenchmark-dev
    python3 python3-fontforge fonts-dejavu-core
    poppler-utils xvfb xauth xdotool xclip
    clang libclang-rt-dev
    appstream dpkg-dev file
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
