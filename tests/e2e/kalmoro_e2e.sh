#!/usr/bin/env bash
# Sets up the session an end-to-end scenario runs in and hands it to kalmoro_e2e.py: an X display of
# its own (Xvfb, 1920x1080) under a window manager (openbox), a session bus with the accessibility
# bus on it, and for kept and leftovers an added unprivileged user. Only wayland runs here: on a
# headless weston, where PROGRAM is the Wayland driver, which clicks what no input device can there.
#
# Usage: kalmoro_e2e.sh SCENARIO PROGRAM SCREENSHOT_DIR
# KALMORO_E2E_WAIT (seconds, default 60) bounds every single wait; KALMORO_E2E_APP_ID is the
# application id expected on Wayland. A scenario that cannot run here ends with status 77 (skipped)
# and says why.
set -euo pipefail
scenario=${1:?scenario} program=${2:?program} screenshots=${3:?screenshot folder}
patience=${KALMORO_E2E_WAIT:-60}
skip() {
    echo "SKIP [$scenario]: $*"
    exit 77
}

if [[ $scenario != wayland && -z ${KALMORO_E2E_SESSION_BUS:-} ]]; then
    command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed (dbus)"
    [[ -x /usr/libexec/at-spi-bus-launcher ]] || skip "the AT-SPI bus is not installed (at-spi2-core)"
    # Debian's own Python: another python3 may come first on PATH, without pyatspi.
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "pyatspi is not installed (python3-pyatspi)"
    KALMORO_E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/kalmoro-e2e.XXXXXX")
stop() {
    [[ -n $1 ]] && kill -0 "$1" 2>/dev/null || return 0
    kill "$1" 2>/dev/null || true
    timeout 5 tail --pid="$1" -f /dev/null || kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
cleanup() {
    stop "${program_pid:-}"
    stop "${wm_pid:-}"
    stop "${xvfb_pid:-}"
    stop "${compositor_pid:-}"
    [[ -z ${KALMORO_E2E_USER:-} ]] || userdel "$KALMORO_E2E_USER" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL [$scenario]: $*" >&2
    [[ ! -s $work/program.log ]] || { echo "--- program output" && cat "$work/program.log"; } >&2
    exit 1
}
# Runs the command until it succeeds, at most $patience seconds.
wait_for() {
    local what=$1 deadline=$((SECONDS + patience))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || fail "timed out after ${patience}s waiting for: $what"
        sleep 0.2
    done
}

mkdir -p "$screenshots"
# Openbox, Qt and the browser engine keep their settings and caches here, not in the user's home.
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
export XDG_DATA_HOME="$work/data"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# The X11 platform, whatever the test runner set for other suites. Under AddressSanitizer:
# libxkbcommon-x11 hands strndup counted names without a terminating zero.
export QT_QPA_PLATFORM=xcb ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"

# A compositor places a toplevel once, when it is created; a second one for the main window would
# put it somewhere new. Counted from the client's own protocol log.
scenario_wayland() {
    command -v weston >/dev/null || skip "weston is not installed"
    export WAYLAND_DISPLAY=kalmoro-e2e
    weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --width=1920 \
        --height=1080 --idle-time=0 >"$work/weston.log" 2>&1 &
    compositor_pid=$!
    local deadline=$((SECONDS + patience)) toplevels status=0
    until [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]]; do
        kill -0 "$compositor_pid" 2>/dev/null || skip "weston cannot start: $(tail -n 5 "$work/weston.log" | tr -s ' \n' ' ')"
        ((SECONDS < deadline)) || skip "weston opened no socket within ${patience}s"
        sleep 0.2
    done
    QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program" >"$work/wayland.log" 2>&1 &
    program_pid=$!
    # The driver ends when the copper pipe page's browser has finished its page.
    wait_for "the quotation browser's page" eval '! kill -0 "$program_pid" 2>/dev/null'
    wait "$program_pid" || status=$?
    program_pid=''
    # What the program said itself, without the protocol lines.
    grep -vE '^\[ *[0-9]+\.[0-9]+\] ' "$work/wayland.log" >"$work/program.log" || true
    ((status == 0)) || fail "the driver ended with exit code $status, expected 0"
    toplevels=$(grep -c 'get_toplevel(' "$work/wayland.log" || true)
    ((toplevels == 1)) || fail "$toplevels toplevel surfaces were created, expected exactly 1"
    # The compositor matches the window with its desktop entry by the application id.
    grep -q "set_app_id(\"$KALMORO_E2E_APP_ID\")" "$work/wayland.log" ||
        fail "the window's application id is not $KALMORO_E2E_APP_ID: $(grep -o 'set_app_id([^)]*)' "$work/wayland.log")"
    echo "[$scenario] passed"
}
[[ $scenario != wayland ]] || { scenario_wayland && exit 0; }

for tool in Xvfb openbox xdotool xprop xwininfo xclip import; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
# The accessibility bus puts its socket in the runtime folder, else at one path in the user's cache
# that every session beside this one would take over.
dbus-update-activation-environment XDG_RUNTIME_DIR XDG_CACHE_HOME
# -displayfd lets the server take the first free display number and report it when ready.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for "the X server" grep -q '^[0-9]' "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wait_for "openbox" eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"

# An unprivileged user whose home as the password file gives it and the HOME it runs with differ;
# both start empty.
if [[ $scenario == @(kept|leftovers) ]]; then
    ((EUID == 0)) || skip "needs root to add an unprivileged user with useradd"
    export KALMORO_E2E_USER="kalmoro-e2e-$$" KALMORO_E2E_USER_ROOT="$work/user"
    mkdir -p "$KALMORO_E2E_USER_ROOT"/{home,passwd-home,tmp}
    useradd --no-create-home --home-dir "$KALMORO_E2E_USER_ROOT/passwd-home" --shell /usr/sbin/nologin \
        "$KALMORO_E2E_USER"
    chown -R "$KALMORO_E2E_USER:" "$KALMORO_E2E_USER_ROOT"
    chmod 711 "$work"
    setpriv --reuid "$KALMORO_E2E_USER" --regid "$KALMORO_E2E_USER" --init-groups -- test -x "$program" ||
        skip "$KALMORO_E2E_USER cannot run $program (a folder on its path is closed)"
fi
TMPDIR=$work /usr/bin/python3 "$(dirname "$0")/kalmoro_e2e.py" "$scenario" "$program" "$screenshots"
