#!/usr/bin/env bash
# Installs what building and running need, builds a release build and starts Kalmoro.
# Started as root through sudo, it installs as root, then builds and starts the program as the
# user who called sudo. Started by root itself, it starts the program as root, and says that the
# browser engine then runs without its sandbox.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run

if [ "$(id -u)" -eq 0 ]; then
    if [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
        # The build goes where the user can write; a folder of root's would stop later builds.
        folder=build/release
        while [ ! -e "$folder" ]; do folder=$(dirname "$folder"); done
        if ! runuser -u "$SUDO_USER" -- test -w "$folder"; then
            echo "run.sh: $SUDO_USER cannot write to $PWD/$folder; start it without sudo, or as root itself" >&2
            exit 1
        fi
        # sudo keeps DISPLAY and XAUTHORITY but not the user's runtime folder.
        runtime=/run/user/$(id -u "$SUDO_USER")
        if [ -d "$runtime" ]; then
            exec runuser -u "$SUDO_USER" -- env XDG_RUNTIME_DIR="$runtime" "$0" "$@"
        fi
        exec runuser -u "$SUDO_USER" -- env -u XDG_RUNTIME_DIR "$0" "$@"
    fi
    echo "run.sh: Kalmoro runs as root: its browser engine (Chromium) runs without its sandbox for root" >&2
fi

cmake --preset release
cmake --build --preset release -j"$(nproc)" --target kalmoro
exec build/release/bin/kalmoro "$@"
