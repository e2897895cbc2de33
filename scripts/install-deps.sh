#!/usr/bin/env bash
# Installs the Debian 12 packages Kalmoro needs; does nothing when all are there.
# Usage: install-deps.sh run|test|bench
#   run   what building a release build and running the program need
#   test  that, and the tools of the test suites and the package checks
#   bench that, and the spreadsheet bench_job sets the job's PDF export against
set -euo pipefail

run_packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland libqt6opengl6-dev libgl-dev
    qt6-webengine-dev qt6-webengine-dev-tools
    libpng-dev zlib1g-dev libfontconfig-dev
    fonts-noto-cjk qt6-translations-l10n
)
test_packages=(
    clang libclang-rt-14-dev clang-format-14 libbenchmark-dev valgrind
    dbus at-spi2-core python3-pyatspi orca
    xvfb xauth openbox xdotool x11-utils xclip imagemagick poppler-utils openssl locales-all
    weston file procps
    dpkg-dev lintian man-db appstream desktop-file-utils devscripts
)
bench_packages=(libreoffice-calc-nogui)

case ${1:-} in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
bench) packages=("${run_packages[@]}" "${test_packages[@]}" "${bench_packages[@]}") ;;
*)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac

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
