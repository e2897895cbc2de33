#!/bin/sh
# Redraws every image asset and the program icon into assets/, then shrinks the PNGs.
# Needs Qt 6 (Gui), the Noto CJK fonts (Debian: fonts-noto-cjk) and optipng.
# The build directory defaults to build-assetgen/ in the source tree; set BUILD_DIR to change it.
# The pictures are drawn into a temporary folder first: the committed ones are replaced only when
# every picture was drawn and shrunk.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-"$root/build-assetgen"}

command -v optipng >/dev/null || { echo "regenerate-assets: optipng is not installed" >&2; exit 1; }

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKALMORO_BUILD_ASSETGEN=ON \
    -DKALMORO_BUILD_TESTS=OFF -DKALMORO_BUILD_BENCH=OFF -DKALMORO_BUILD_WEBENGINE=OFF
cmake --build "$build" --target kalmoro_assetgen

drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT
QT_QPA_PLATFORM=offscreen "$build/bin/kalmoro_assetgen" "$drawn"

# -strip all also drops the pHYs chunk; the pictures never carry colour-space chunks.
find "$drawn" -name '*.png' -print0 | xargs -0 optipng -quiet -o2 -strip all

# Start from empty folders so that no picture of an earlier catalogue survives.
rm -rf "$root/assets/png" "$root/assets/png@2x" "$root/assets/icon/hicolor"
mkdir -p "$root/assets/icon"
mv "$drawn/png" "$drawn/png@2x" "$root/assets/"
mv "$drawn/icon/hicolor" "$root/assets/icon/"
mv "$drawn/icon/kalmoro.ico" "$root/assets/icon/kalmoro.ico"
