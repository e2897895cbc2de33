#!/usr/bin/env bash
# Installs the Debian 12 packages Kalmoro needs to build, run and test; does nothing when all are there.
set -euo pipefail

packages=(
    cmake g++ make pkg-config clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland libqt6opengl6-dev libgl-dev
    qt6-webengine-dev qt6-webengine-dev-tools
    libpng-dev zlib1g-dev libfontconfig-dev libbenchmark-dev valgrind
    fonts-noto-cjk qt6-translations-l10n
    dbus at-spi2-core python3-pyatspi
    xvfb xauth openbox xdotool x11-utils xclip imagemagick poppler-utils openssl dpkg-dev locales-all
    lintian man-db
    weston file
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
