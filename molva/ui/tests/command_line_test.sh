#!/usr/bin/env bash
# The molva program's options and exit codes, without any window: the batch
# mode on good and bad input, an output that cannot be written, and options
# it does not know (which must not try to open a window).
# Usage: command_line_test.sh MOLVA
set -uo pipefail
molva=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

# expect NAME STATUS TEXT COMMAND...: the command ends with STATUS and prints TEXT.
expect() {
    local name=$1 status=$2 text=$3
    shift 3
    local actual=0
    "$@" >"$dir/out" 2>"$dir/err" || actual=$?
    if [ "$actual" -eq "$status" ] && grep -qF -- "$text" "$dir/out" "$dir/err"; then
        echo "ok   $name"
    else
        echo "FAIL $name: status $actual (wanted $status and \"$text\"), printed:"
        cat "$dir/out" "$dir/err"
        failures=$((failures + 1))
    fi
}

# No display at all: an option that started the window would abort.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
printf '2+3\r\nH2O\n' >"$dir/task.tsk"
mkfifo "$dir/pipe"
truncate -s 257M "$dir/big.tsk"

expect "batch of a file" 0 "H2O = 18.0153" "${headless[@]}" "$molva" --batch "$dir/task.tsk"
expect "batch of standard input" 0 "2+3 = 5" sh -c "'$molva' --batch - < '$dir/task.tsk'"
expect "batch of a folder" 1 "molva: $dir is a folder, not a file" "$molva" --batch "$dir"
expect "batch of a pipe" 1 "molva: $dir/pipe is not a regular file" \
    timeout 10 "$molva" --batch "$dir/pipe"
expect "batch of a device" 1 "molva: /dev/zero is not a regular file" \
    timeout 10 "$molva" --batch /dev/zero
expect "batch of a missing file" 1 "molva: $dir/none.tsk does not exist" \
    "$molva" --batch "$dir/none.tsk"
expect "batch of a file over 256 MB" 1 "molva: $dir/big.tsk is larger than 256 MB" \
    "$molva" --batch "$dir/big.tsk"
if [ -w /dev/full ]; then
    expect "batch onto a full disk" 1 "molva: the results cannot be written" \
        sh -c "'$molva' --batch '$dir/task.tsk' > /dev/full"
fi
expect "unknown option" 2 "Usage: molva" "${headless[@]}" "$molva" --foo
expect "unknown argument" 2 "Usage: molva" "${headless[@]}" "$molva" foo.tsk
expect "window option without its value" 2 "Usage: molva" "${headless[@]}" "$molva" -style
expect "batch without a file" 2 "Usage: molva" "${headless[@]}" "$molva" --batch
expect "help" 0 "--batch FILE" "${headless[@]}" "$molva" --help
expect "version" 0 "molva 1." "${headless[@]}" "$molva" --version

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
