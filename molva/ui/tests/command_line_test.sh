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
printf 'CuSO4\xc2\xb75H2O\nOg\n' >"$dir/hydrate.tsk"
printf 'CuSO4\xb75H2O\nCuSO4\x955H2O\n' >"$dir/hydrate-1252.tsk"
expect "hydrate in a UTF-8 batch" 0 "(CuSO4)+5*(H2O) = 249.686" "$molva" --batch "$dir/hydrate.tsk"
expect "hydrate dots in a Windows-1252 batch" 0 "(CuSO4)+5*(H2O) = 249.686" \
    "$molva" --batch "$dir/hydrate-1252.tsk"
expect "hydrate with IUPAC weights" 0 "(CuSO4)+5*(H2O) = 249.677" \
    "$molva" --weights iupac2021 --batch "$dir/hydrate.tsk"
expect "oganesson with IUPAC weights" 0 "Og = 294." \
    "$molva" --weights iupac2021 --batch "$dir/hydrate.tsk"
expect "unknown weights" 2 'unknown atomic weights "iupac"' \
    "$molva" --weights iupac --batch "$dir/hydrate.tsk"
expect "weights without a command" 2 "Usage: molva" "${headless[@]}" "$molva" --weights classic
expect "composition header" 0 "Symbol	Element	Atoms	Mass	Mass %" "$molva" --composition H2O
expect "composition row" 0 "Cu	Copper	1	63.546	25.451" \
    "$molva" --weights iupac2021 --composition "CuSO4·5H2O"
expect "composition total" 0 "Total		3	18.0153	100.000" "$molva" --composition H2O
expect "composition of no formula" 1 "molva: 2+3 is not a chemical formula" \
    "$molva" --composition "2+3"
expect "composition of an unknown symbol" 1 "molva: Xy isn't element symbol!" \
    "$molva" --composition Xy
expect "empirical formula" 0 "CH2O" "$molva" --empirical "C=40.0 H=6.7 O=53.3"
expect "empirical formula of bad pairs" 1 "molva: C is given twice" "$molva" --empirical "C=40 C=3"
expect "help" 0 "--batch FILE" "${headless[@]}" "$molva" --help
expect "help on compositions" 0 "--composition FORMULA" "${headless[@]}" "$molva" --help
expect "version" 0 "molva 1." "${headless[@]}" "$molva" --version

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
