#!/usr/bin/env bash
# Runs the converter of the real program with no display: it must answer on its standard streams, with its
# exit status, and never try to open a window.
set -euo pipefail
program=$1
failures=0
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

expect() { # expect STATUS STDOUT STDERR -- ARGS...
    local status=$1 out=$2 err=$3
    shift 4
    local got_out got_err got_status=0
    got_out=$("$program" "$@" 2>"$errors") || got_status=$?
    got_err=$(cat "$errors")
    if [[ $got_status != "$status" || $got_out != "$out" || ($err != "*" && $got_err != "$err") ]]; then
        echo "FAIL: $* -> status $got_status" >&2
        echo "  stdout: $got_out" >&2
        echo "  stderr: $got_err" >&2
        failures=$((failures + 1))
    fi
}

orange='RGB: 255, 128, 0
HSL: 20, 240, 120
HTML Hex: #FF8000
VB Hex: &H80FF&
Delphi Hex: $0080FF
C++ Hex: 0x80FF'

expect 0 "$orange" "" -- --convert '#FF8000'
expect 0 "$orange" "" -- --convert FF8000
expect 0 "$orange" "" -- --convert '&H80FF&'
expect 0 "$orange" "" -- --convert '$0080FF'
expect 0 "$orange" "" -- --convert 0x80FF
expect 0 "$orange" "" -- --convert 255, 128, 0
expect 0 "$orange" "" -- --convert 20,240,120 --as hsl
expect 2 "" "ff8000 is not a valid HTML hex code." -- --convert ff8000
expect 2 "" "Each RGB value cannot exceed 255" -- --convert 256,0,0
expect 1 "" "*" -- --convert

if ((failures > 0)); then
    echo "$failures case(s) failed" >&2
    exit 1
fi
echo "converter answered without a display"
