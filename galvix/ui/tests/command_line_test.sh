#!/usr/bin/env bash
# The galvix3 program's --calc, --list, --help and --version without any
# window or display: what each prints, where, and with which exit status.
# Usage: command_line_test.sh GALVIX3
set -uo pipefail
galvix3=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

# expect NAME STATUS STREAM TEXT COMMAND...: the command ends with STATUS and
# prints TEXT on STREAM (out or err).
expect() {
    local name=$1 status=$2 stream=$3 text=$4
    shift 4
    local actual=0
    "$@" >"$dir/out" 2>"$dir/err" || actual=$?
    if [ "$actual" -eq "$status" ] && grep -qF -- "$text" "$dir/$stream"; then
        echo "ok   $name"
    else
        echo "FAIL $name: status $actual (wanted $status and \"$text\" on $stream), printed:"
        cat "$dir/out" "$dir/err"
        failures=$((failures + 1))
    fi
}

# No display at all: anything that opened a window would abort.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
daniell=("Zn -> Zn²⁺ + 2e" "Cu*2*+ + 2e -> Cu")

expect "calc" 0 out "Zn + Cu²⁺ -> Zn²⁺ + Cu" "${headless[@]}" "$galvix3" --calc "${daniell[@]}"
expect "calc under conditions" 0 out "E(cell) = 1.04264 V" "${headless[@]}" "$galvix3" \
    --calc "${daniell[@]}" --ox "Zn²⁺=0.10" --red "Cu*2*+=0.0010"
expect "list" 0 out "$(printf '0.34\tCu²⁺ + 2e -> Cu')" "${headless[@]}" "$galvix3" \
    --list reduction
expect "unknown half reaction" 1 err "galvix3: \"Zn -> Zn + 2e\" is not in the oxidation list" \
    "${headless[@]}" "$galvix3" --calc "Zn -> Zn + 2e" "Cu*2*+ + 2e -> Cu"
expect "unknown species" 1 err "is not a species of the reduction half reaction" \
    "${headless[@]}" "$galvix3" --calc "${daniell[@]}" --red "Zn²⁺=1"
expect "wrong command line" 2 err "Try 'galvix3 --help'" "${headless[@]}" "$galvix3" \
    --list everything
expect "unknown option" 2 err "galvix3: unknown option \"--colour\"" "${headless[@]}" \
    "$galvix3" --calc "${daniell[@]}" --colour red
if [ -w /dev/full ]; then
    expect "calc onto a full disk" 1 err "galvix3: the results cannot be written" \
        sh -c "'$galvix3' --calc 'Zn -> Zn²⁺ + 2e' 'Cu*2*+ + 2e -> Cu' > /dev/full"
fi
expect "help" 0 out "galvix3 --list oxidation|reduction" "${headless[@]}" "$galvix3" --help
expect "version" 0 out "galvix3 1." "${headless[@]}" "$galvix3" --version

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
