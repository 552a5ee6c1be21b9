#!/usr/bin/env bash
# Installs what the project needs on Debian 12, and nothing when it is all there already.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
    libsqlite3-dev sqlite3
    firebird3.0-server-core firebird-dev libqt6sql6-ibase
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format clang libclang-rt-14-dev fonts-dejavu-core fonts-liberation2
    xvfb xdotool imagemagick
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
