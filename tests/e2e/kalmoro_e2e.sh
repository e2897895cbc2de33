#!/usr/bin/env bash
# Sets up the sessions the end-to-end scenarios run in: a virtual X display of its own (Xvfb,
# 1920x1080) under a window manager (openbox), a headless weston for wayland, an added
# unprivileged user for leftovers and kept. The scenarios about the window itself are here, driven
# with xdotool and judged by the X server; every other one is kalmoro_e2e.py's, which finds the
# controls over AT-SPI on a session bus of its own.
#
# Usage: kalmoro_e2e.sh SCENARIO PROGRAM SCREENSHOT_DIR
# SCENARIO: position | drag | minimize | close | wayland (PROGRAM the Wayland driver, which clicks
# what no input device can there) | leftovers | kept (both need root to add a user), or one of
# kalmoro_e2e.py's. KALMORO_E2E_WAIT (seconds, default 60) bounds every single wait;
# KALMORO_E2E_APP_ID is the application id expected on Wayland. A scenario that cannot run here
# ends with status 77 (skipped) and says why.
set -euo pipefail
scenario=${1:?scenario} program=${2:?program} screenshots=${3:?screenshot folder}
patience=${KALMORO_E2E_WAIT:-60}

skip() {
    echo "SKIP [$scenario]: $*"
    exit 77
}

by_name=1
[[ " position drag minimize close wayland leftovers kept " != *" $scenario "* ]] || by_name=0
if ((by_name)) && [[ -z ${KALMORO_E2E_SESSION_BUS:-} ]]; then
    command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed (dbus)"
    [[ -x /usr/libexec/at-spi-bus-launcher ]] || skip "the AT-SPI bus is not installed (at-spi2-core)"
    # Debian's own Python: another python3 may come first on PATH, without pyatspi.
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "pyatspi is not installed (python3-pyatspi)"
    export KALMORO_E2E_SESSION_BUS=1
    exec dbus-run-session -- bash "$0" "$@"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/kalmoro-e2e.XXXXXX")
xvfb_pid='' wm_pid='' program_pid='' compositor_pid=''
stop() {
    [[ -n $1 ]] && kill -0 "$1" 2>/dev/null || return 0
    kill "$1" 2>/dev/null || true
    timeout 5 tail --pid="$1" -f /dev/null || kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
cleanup() {
    stop "$program_pid"
    stop "${bus_pid:-}"
    [[ -z ${test_user:-} ]] || userdel "$test_user" 2>/dev/null || true
    stop "$wm_pid"
    stop "$xvfb_pid"
    stop "$compositor_pid"
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL [$scenario]: $*" >&2
    [[ ! -s $work/program.log ]] || { echo "--- program output" && cat "$work/program.log"; } >&2
    exit 1
}
note() { echo "[$scenario] $*"; }

# Runs the command until it succeeds, at most $patience seconds.
wait_for() {
    local what=$1 deadline=$((SECONDS + patience))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || fail "timed out after ${patience}s waiting for: $what"
        sleep 0.2
    done
}
xdo() { timeout 20 xdotool "$@"; }

for tool in Xvfb openbox xdotool xprop xwininfo xclip import convert; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
mkdir -p "$screenshots"
# Openbox, Qt and the browser engine keep their settings and caches here, not in the user's home.
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
export XDG_DATA_HOME="$work/data"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# The session bus started the shell with the caller's environment; the accessibility bus it starts
# puts its socket in the runtime folder, else at one path in the user's cache that every session
# beside this one would take over.
[[ -z ${KALMORO_E2E_SESSION_BUS:-} ]] || dbus-update-activation-environment XDG_RUNTIME_DIR XDG_CACHE_HOME
# The X11 platform, whatever the test runner set for other suites. Under AddressSanitizer:
# libxkbcommon-x11 hands strndup counted names without a terminating zero.
export QT_QPA_PLATFORM=xcb ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"

start_session() {
    # -displayfd lets the server take the first free display number and report it when ready.
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_for "the X server" grep -q '^[0-9]' "$work/display"
    export DISPLAY=":$(head -n1 "$work/display")"
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for "openbox" eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"
}

# The first visible window titled exactly "Kalmoro"; Qt also keeps an unmapped helper window.
program_window() { timeout 5 xdotool search --onlyvisible --name '^Kalmoro$' 2>/dev/null | head -n1; }
window_shown() {
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before showing its window"
    [[ -n $(program_window) ]]
}

# Starts the command given and waits for the program's first painted frame.
start_program() {
    "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
    wait_for "the main window" window_shown
    wid=$(program_window)
    read_geometry
    wait_for "the first painted frame" window_painted
}

# Sets wx, wy (window position on the screen), ww, wh, and map_state.
read_geometry() {
    local info
    info=$(xwininfo -id "$wid") || fail "the main window $wid is gone"
    wx=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    wy=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    ww=$(sed -n 's/^ *Width: *//p' <<<"$info") wh=$(sed -n 's/^ *Height: *//p' <<<"$info")
    map_state=$(sed -n 's/^ *Map State: *//p' <<<"$info")
}
at_position() { read_geometry && [[ $wx == "$1" && $wy == "$2" ]]; }

# The pointer, in window coordinates. xdotool's own --sync waits for a motion, and none comes
# when the pointer is there already.
pointer_to() {
    read_geometry
    local x=$((wx + $1)) y=$((wy + $2))
    xdo mousemove "$x" "$y"
    wait_for "the pointer at $x,$y" eval '[[ $(xdo getmouselocation) == "x:$x y:$y "* ]]'
}
click() { pointer_to "$1" "$2" && xdo click 1; }

# Presses at (x, y), moves the pointer by (dx, dy) in ten steps, releases.
drag() {
    pointer_to "$1" "$2"
    xdo mousedown 1
    for i in $(seq 1 10); do
        xdo mousemove_relative -- $(($3 * i / 10 - $3 * (i - 1) / 10)) $(($4 * i / 10 - $4 * (i - 1) / 10))
        sleep 0.05
    done
    xdo mouseup 1
}

crop() { import -window root -crop "$3x$4+$((wx + $1))+$((wy + $2))" +repage "$5"; }
keep_screenshot() { read_geometry && crop 0 0 "$ww" "$wh" "$screenshots/$scenario-$1.png"; }
window_painted() { (($(crop 0 0 "$ww" "$wh" png:- | convert - -format '%k' info:) > 2)); }

# The page area has kept one look for a second of polls, so a page still loading is not taken for
# its final look; a blinking text cursor (up to 60 pixels) is no change.
page_settles() {
    local differing now
    crop 225 103 808 546 "$work/look.png" || return 1
    now=$(date +%s%N)
    differing=$(compare -metric AE "$work/look.png" "$work/settled.png" null: 2>&1) || true
    if ! [[ ${differing%% *} =~ ^[0-9]+$ ]] || ((${differing%% *} > 60)); then
        mv "$work/look.png" "$work/settled.png"
        settled_since=$now
        return 1
    fi
    ((now - settled_since >= 1000000000))
}

wait_for_page() {
    rm -f "$work/settled.png"
    wait_for "$1 to settle" page_settles
}

# Waits for the program's own end and checks that its exit code is 0.
exits_cleanly() {
    wait_for "the program to end after $1" eval '! kill -0 "$program_pid" 2>/dev/null'
    local status=0
    wait "$program_pid" || status=$?
    program_pid=''
    ((status == 0)) || fail "after $1 the program ended with exit code $status, expected 0"
}

# Controls, in window coordinates. The brand buttons in the order of the brand pages 1 to 5.
slogan=(577 66) menu_button=(942 39) minimize_button=(985 38) close_button=(1022 39)
nav_copper=(105 227) nav_refrigerant=(105 155) futures_box=(511 163) x7_button=(311 176)
brand_choices=(438 261 792 263 618 390 442 536 793 536) brand_choice_header=(280 116)

scenario_position() {
    [[ $wx == 420 && $wy == 192 ]] || fail "window at $wx,$wy, expected 420,192 on a 1920x1080 screen"
    [[ $ww == 1080 && $wh == 695 ]] || fail "window is ${ww}x${wh}, expected 1080x695"
    local frame
    frame=$(xprop -id "$wid" _NET_FRAME_EXTENTS)
    [[ $frame == *"= 0, 0, 0, 0" ]] || fail "the window manager drew a frame: $frame"
    keep_screenshot start
}

# A drag that begins on a button leaves the window in place: the drag on the background that
# follows it, processed after it, moves the window by its own offset only.
scenario_drag() {
    drag 600 20 120 60
    wait_for "the window to follow a drag on the background to 540,252" at_position 540 252
    drag "${slogan[@]}" -200 -100
    wait_for "the window to follow a drag on the slogan to 340,152" at_position 340 152
    local start=(340 152) button
    for button in "${menu_button[*]}" "${nav_copper[*]}"; do
        # shellcheck disable=SC2086 # the button's x and y
        drag $button 150 80
        drag 600 20 30 30
        wait_for "a drag on the background after one at $button" eval '! at_position "${start[@]}"'
        [[ $wx == $((start[0] + 30)) && $wy == $((start[1] + 30)) ]] ||
            fail "a drag that began on the button at $button moved the window to $wx,$wy"
        start=("$wx" "$wy")
    done
}

window_minimized() {
    [[ $(xprop -id "$wid" _NET_WM_STATE WM_STATE) == *@(_NET_WM_STATE_HIDDEN|"window state: Iconic")* ]]
}

scenario_minimize() {
    drag 600 20 -100 50
    wait_for "the window to move to 320,242" at_position 320 242
    click "${minimize_button[@]}"
    wait_for "the window to be minimized" window_minimized
    read_geometry
    [[ $map_state != IsViewable ]] || fail "the minimized window is still viewable"
    xdo windowactivate "$wid" || xdo windowmap "$wid"
    wait_for "the window to be restored" eval 'read_geometry && [[ $map_state == IsViewable ]] && ! window_minimized'
    at_position 320 242 || fail "restored at $wx,$wy, expected its former place 320,242"
    wait_for "the restored window to be painted" window_painted
    keep_screenshot restored
}

scenario_close() {
    click "${close_button[@]}"
    exits_cleanly "the close button"
}

# A compositor places a toplevel once, when it is created; a second one for the main window
# would put it somewhere new. Counted from the client's own protocol log.
scenario_wayland() {
    command -v weston >/dev/null || skip "weston is not installed"
    export WAYLAND_DISPLAY=kalmoro-e2e
    weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --width=1920 \
        --height=1080 --idle-time=0 >"$work/weston.log" 2>&1 &
    compositor_pid=$!
    local deadline=$((SECONDS + patience)) toplevels
    until [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]]; do
        kill -0 "$compositor_pid" 2>/dev/null || skip "weston cannot start: $(tail -n 5 "$work/weston.log" | tr -s ' \n' ' ')"
        ((SECONDS < deadline)) || skip "weston opened no socket within ${patience}s"
        sleep 0.2
    done
    QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program" >"$work/wayland.log" 2>&1 &
    program_pid=$!
    # The driver ends when the copper pipe page's browser has finished its page.
    wait_for "the quotation browser's page" eval '! kill -0 "$program_pid" 2>/dev/null'
    # What the program said itself, without the protocol lines.
    grep -vE '^\[ *[0-9]+\.[0-9]+\] ' "$work/wayland.log" >"$work/program.log" || true
    exits_cleanly "the quotation browser's page"
    toplevels=$(grep -c 'get_toplevel(' "$work/wayland.log" || true)
    ((toplevels == 1)) || fail "$toplevels toplevel surfaces were created, expected exactly 1"
    # The compositor matches the window with its desktop entry by the application id.
    grep -q "set_app_id(\"$KALMORO_E2E_APP_ID\")" "$work/wayland.log" ||
        fail "the window's application id is not $KALMORO_E2E_APP_ID: $(grep -o 'set_app_id([^)]*)' "$work/wayland.log")"
}

# An unprivileged user whose home as the password file gives it and the HOME it runs with differ;
# both start empty.
add_test_user() {
    ((EUID == 0)) || skip "needs root to add an unprivileged user with useradd"
    test_user="kalmoro-e2e-$$" user_root="$work/user"
    mkdir -p "$user_root/home" "$user_root/passwd-home" "$user_root/tmp"
    useradd --no-create-home --home-dir "$user_root/passwd-home" --shell /usr/sbin/nologin "$test_user"
    chown -R "$test_user:" "$user_root"
    chmod 711 "$work"
    start_session
    as_test_user=(setpriv --reuid "$test_user" --regid "$test_user" --init-groups -- env -i PATH=/usr/bin:/bin
        HOME="$user_root/home" TMPDIR="$user_root/tmp" DISPLAY="$DISPLAY" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb)
    "${as_test_user[@]}" test -x "$program" || skip "$test_user cannot run $program (a folder on its path is closed)"
}

# Nothing the user may write to has anything new in it: the homes, TMPDIR, the program's folder,
# and /tmp, the last resort for the private folder (written there by the user, or Qt's runtime-*).
nothing_written() {
    local left
    # Only TMPDIR's own time changes: the private folder came and went in it.
    left=$(find "$user_root"/{home,passwd-home,tmp} "$(dirname "$program")" -mindepth 1 -newer "$work/marker"
        find /tmp -mindepth 1 -maxdepth 1 \( -user "$test_user" -o -name "runtime-$test_user" \))
    [[ -z $left ]] || fail "after $1 these were written:"$'\n'"$left"
}
mark_time() {
    # A second back: file times have a resolution of a second on some file systems.
    touch -d "@$(($(date +%s) - 1))" "$work/marker"
}
# The user's processes other than the session's own: its bus and what the bus starts for the program
# (the accessibility bus launcher) belong to the session, not to the program.
descendants() {
    local child
    for child in $(pgrep -P "$1" || true); do echo "$child" && descendants "$child"; done
}
program_processes() {
    local session=" " pid
    [[ -z ${bus_pid:-} ]] || session=" $bus_pid $(descendants "$bus_pid" | tr '\n' ' ')"
    for pid in $(pgrep -u "$test_user" || true); do
        [[ $session == *" $pid "* ]] || echo "$pid"
    done
}
no_process_left() { [[ -z $(program_processes) ]]; }

# As the user, every main page, every brand's start page and the X7 page, then each way out:
# nothing is written to the homes, TMPDIR or the program's folder, and no process stays.
scenario_leftovers() {
    add_test_user
    local way entry brand
    # For a session below, made before any run is timed.
    "${as_test_user[@]}" mkdir -m 555 "$user_root/tmp/read-only"
    touch -d "1 minute ago" "$user_root/tmp/read-only"
    for way in esc close term; do
        mark_time
        start_program "${as_test_user[@]}" "$program"
        for entry in 1 2 3 4 6 5; do xdo key "alt+$entry"; done
        for brand in 0 2 4 6 8 0; do
            click "${brand_choice_header[@]}"
            click "${brand_choices[@]:brand:2}"
            wait_for_page "the brand page"
        done
        click "${x7_button[@]}"
        wait_for_page "the Daikin X7 page"
        case $way in
        # A click in the page gives it the focus; the page switch that hides it takes it away.
        esc) click 600 450 && click "${nav_refrigerant[@]}" && xdo key Escape ;;
        close) click "${close_button[@]}" ;;
        term) kill -TERM "$program_pid" ;;
        esac
        exits_cleanly "$way"
        wait_for "every process of the program to end after $way" no_process_left
        nothing_written "$way"
    done

    # Unusual sessions: the copper page's browser and a brand page start the engine, then the close
    # box. A program killed outright leaves its private folder to the next start, which removes it.
    local runtime="$user_root/runtime" session
    for session in "TMPDIR missing" "TMPDIR read-only" "runtime folder open to all" "the user's bus" killed; do
        local environment=(TMPDIR="$user_root/tmp")
        case $session in
        "TMPDIR missing") environment=(TMPDIR="$user_root/tmp/missing") ;;
        "TMPDIR read-only") environment=(TMPDIR="$user_root/tmp/read-only") ;;
        "runtime folder open to all")
            "${as_test_user[@]}" mkdir -p -m 777 "$runtime/open" && environment+=(XDG_RUNTIME_DIR="$runtime/open") ;;
        "the user's bus")
            "${as_test_user[@]}" mkdir -p -m 700 "$runtime/own"
            environment+=(XDG_RUNTIME_DIR="$runtime/own" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
            bus_pid=$("${as_test_user[@]}" dbus-daemon --session --address="unix:path=$runtime/own/bus" --fork --print-pid)
            ;;
        killed)
            start_program "${as_test_user[@]}" "$program"
            kill -KILL "$program_pid"
            wait "$program_pid" 2>/dev/null || true
            wait_for "every process of the killed program to end" no_process_left
            [[ -n $(find "$user_root/tmp" -mindepth 1 -maxdepth 1 -name 'kalmoro-*') ]] ||
                fail "the killed program left no private folder to remove"
            ;;
        esac
        mark_time
        start_program "${as_test_user[@]}" "${environment[@]}" "$program"
        xdo key alt+2
        xdo key alt+5
        click "${brand_choices[@]:0:2}"
        wait_for_page "the brand page ($session)"
        click "${close_button[@]}"
        exits_cleanly "the close box ($session)"
        wait_for "every process of the program to end ($session)" no_process_left
        nothing_written "the close box ($session)"
        [[ -z $(find "$user_root/tmp" -mindepth 1 -maxdepth 1 -name 'kalmoro-*') ]] ||
            fail "a private folder stays in TMPDIR ($session)"
        if [[ -n ${bus_pid:-} ]]; then
            kill "$bus_pid"
            bus_pid=''
            wait_for "the user's bus and the services it started to end" eval '! pgrep -u "$test_user" >/dev/null'
        fi
        note "$session: nothing left"
    done
}

# What the user saves and prints outlives the program: the save dialog's and the print dialog's
# offers, taken with Return, are still in the account's home after Esc has closed the program.
dialog_shown() { timeout 5 xdotool search --onlyvisible --name "^$1\$" >/dev/null; }
scenario_kept() {
    add_test_user
    start_program "${as_test_user[@]}" "$program"
    local kept="$user_root/passwd-home/铜管报价-$(date +%F)"
    xdo key alt+2
    wait_for_page "the copper page"
    click "${futures_box[@]}"
    xdo type --delay 50 60000
    xdo key ctrl+s
    wait_for "the save dialog" dialog_shown 保存为图片
    xdo key Return
    wait_for "the saved sheet" test -s "$kept.png"
    xdo key ctrl+p
    wait_for "the print dialog" dialog_shown 打印
    xdo key Return
    wait_for "the printed sheet" test -s "$kept.pdf"
    wait_for "the print dialog to close" eval '! dialog_shown 打印'
    xdo key Escape
    exits_cleanly Esc
    test -s "$kept.png" || fail "the saved sheet is gone after the program ended"
    test -s "$kept.pdf" || fail "the printed sheet is gone after the program ended"
}

case $scenario in
wayland | leftovers | kept) "scenario_$scenario" ;;
position | drag | minimize | close)
    start_session
    start_program "$program"
    pointer_to 600 20 # the skin's empty background, so that no button shows its hover face
    "scenario_$scenario"
    ;;
*)
    start_session
    status=0
    TMPDIR=$work /usr/bin/python3 "$(dirname "$0")/kalmoro_e2e.py" "$scenario" "$program" "$screenshots" || status=$?
    exit "$status"
    ;;
esac
note "passed"
