#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Kalmoro.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j"$(nproc)" --target kalmoro
exec build/release/bin/kalmoro
