#!/usr/bin/env bash
# Molva on a real X display, driven by keys as a user drives it: a formula
# typed right after the start, Enter, Ctrl+C (the result on the clipboard),
# Ctrl+Shift+3 (a root), then the display-only (F12) and wide (F9) layouts,
# each kept as a screenshot, and Ctrl+Q. Every wait polls with a time limit.
# Usage: display_smoke_test.sh MOLVA GRAB_WINDOW OUTPUT_DIRECTORY   (on an X display)
set -euo pipefail
molva=$1
grab=$2
out=$3
for tool in xdotool xclip cmp; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done
mkdir -p "$out"
home=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
    fi
    rm -rf "$home"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Polls a condition every 50 ms for up to 10 seconds.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 200); do
        if "$@"; then
            return 0
        fi
        sleep 0.05
    done
    fail "waited 10 s for $what"
}

window=
find_window() {
    window=$(xdotool search --onlyvisible --name '^Tavik\. Molvera' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

clipboard_is() {
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]
}

size_is() {
    [ "$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { print $2 }')" = "$1" ]
}

# A screenshot once the window has stopped changing: two grabs alike.
shot=
grab_settled() {
    "$grab" "$window" "$out/next.png"
    if [ -n "$shot" ] && cmp -s "$shot" "$out/next.png"; then
        return 0
    fi
    mv "$out/next.png" "$out/last.png"
    shot=$out/last.png
    return 1
}

screenshot() {
    shot=
    wait_for "the $1 layout to be painted" grab_settled
    mv "$shot" "$out/molva-$1.png"
    rm -f "$out/next.png"
    echo "kept $out/molva-$1.png"
}

HOME=$home XDG_CONFIG_HOME=$home/config "$molva" -platform xcb &
pid=$!
wait_for "the calculator window" find_window
# There is no window manager: the window gets the keyboard by hand.
xdotool windowfocus --sync "$window"

xdotool type --delay 15 '2H2O+NaCl'
xdotool key Return ctrl+c
wait_for "94.4730 on the clipboard after Ctrl+C" clipboard_is 94.4730

xdotool key ctrl+shift+3 ctrl+a ctrl+c
wait_for "the root written by Ctrl+Shift+3" clipboard_is '^(1/3)'
xdotool key shift+Delete

wait_for "the normal layout, 246x397" size_is 246x397
screenshot normal
xdotool key F12
wait_for "the display-only layout, 246x139" size_is 246x139
screenshot display-only
xdotool key F12
wait_for "the normal layout again" size_is 246x397
xdotool key F9
wait_for "the wide layout, 496x397" size_is 496x397
screenshot wide

xdotool key ctrl+q
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for "Molva to end after Ctrl+Q" ended
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "Molva ended with status $status"
echo "Molva answered every key on a real display."
