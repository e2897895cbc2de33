#!/usr/bin/env bash
# Installs the Debian 12 packages Kalmoro needs to build, run and test; does nothing when all are there.
set -euo pipefail

packages=(
    cmake g++ make pkg-config clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6opengl6-dev libgl-dev
    qt6-webengine-dev qt6-webengine-dev-tools
    libpng-dev zlib1g-dev libbenchmark-dev
    fonts-noto-cjk
    xvfb xauth openbox xdotool x11-utils xclip imagemagick poppler-utils openssl dpkg-dev locales-all
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
