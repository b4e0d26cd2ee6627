#!/usr/bin/env bash
# Runs the real program with no display: help, version, the converter and every misused command line must answer
# on the standard streams, with their exit status, and never try to open a window.
set -euo pipefail
program=$1
failures=0
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

got_out='' got_err='' got_status=0
run() {
    got_status=0
    got_out=$("$program" "$@" 2>"$errors") || got_status=$?
    got_err=$(cat "$errors")
}

fail() {
    echo "FAIL: $1 -> status $got_status" >&2
    echo "  stdout: $got_out" >&2
    echo "  stderr: $got_err" >&2
    failures=$((failures + 1))
}

expect() { # expect STATUS STDOUT STDERR -- ARGS...
    local status=$1 out=$2 err=$3
    shift 4
    run "$@"
    if [[ $got_status != "$status" || $got_out != "$out" || $got_err != "$err" ]]; then
        fail "$*"
    fi
}

expect_misuse() { # expect_misuse MESSAGE -- ARGS...: status 1, nothing on stdout, the message and the hint on stderr
    local message=$1
    shift 2
    run "$@"
    local want="tintwise-color-picker: $message
Try 'tintwise-color-picker --help' for more information."
    if [[ $got_status != 1 || -n $got_out || $got_err != "$want" ]]; then
        fail "$*"
    fi
}

orange='RGB: 255, 128, 0
HSL: 20, 240, 120
HTML Hex: #FF8000
VB Hex: &H80FF&
Delphi Hex: $0080FF
C++ Hex: 0x80FF'
dark='RGB: 1, 2, 3
HSL: 140, 120, 2
HTML Hex: #010203
VB Hex: &H30201&
Delphi Hex: $0030201
C++ Hex: 0x30201'

expect 0 "$orange" "" -- --convert '#FF8000'
expect 0 "$orange" "" -- --convert FF8000
expect 0 "$orange" "" -- --convert '&H80FF&'
expect 0 "$orange" "" -- --convert '$0080FF'
expect 0 "$orange" "" -- --convert 0x80FF
expect 0 "$orange" "" -- --convert 255, 128, 0
expect 0 "$orange" "" -- --convert 20,240,120 --as hsl
expect 0 "$orange" "" -- -platform offscreen --convert '#FF8000'
expect 0 "$dark" "" -- --convert 1,2,3 --
expect 2 "" "Each RGB value cannot be less than 0" -- --convert -- -1,2,3
expect 2 "" "ff8000 is not a valid HTML hex code." -- --convert ff8000
expect 2 "" "Each RGB value cannot exceed 255" -- --convert 256,0,0
expect 2 "" "ＦＦ８０００ is not a valid HTML hex code.
Color codes are written in ASCII: full-width and other non-ASCII characters are not read as digits or letters." \
    -- --convert '#ＦＦ８０００'

# CSS colours, and one notation or all of them for scripts.
expect 0 "$orange" "" -- --convert '#ff8000'
expect 0 "$orange" "" -- --convert 'hsl(30.12deg 100% 50%)'
expect 0 "$orange" "" -- --convert 'rgb(255, 128, 0)'
expect 0 "#00b7c0" "" -- --convert 'oklch(0.7 0.15 200)' --format hex
expect 0 "rgb(102 51 153)" "" -- --format rgb --convert RebeccaPurple
expect 0 "oklch(0.7319 0.1858 52.98)" "" -- --convert '#FF8000' --format oklch
expect 0 "0xFFFF8000" "" -- --convert 255,128,0 --format android
expect 0 "&HA5FF&" "" -- --convert orange --format VB
expect 2 "" "rgb() takes three values and an optional alpha." -- --convert 'rgb(1 2)'
expect 2 "" "\"nocolour\" is not a CSS color name." -- --convert nocolour
run --convert 'oklch(0.7 0.15 200)' --format json
if [[ $got_status != 0 || -n $got_err ]] || ! python3 -c '
import json, sys
notations = json.loads(sys.argv[1])
assert notations["html"] == "#00B7C0" and notations["decimal"] == "0, 183, 192", notations
assert notations["oklab"].startswith("oklab(") and notations["tailwind"] == "[#00b7c0]", notations
assert notations["clipped"] is True and len(notations) == 19, notations
' "$got_out"; then
    fail "--format json"
fi
contrast='Contrast ratio: 4.47:1
AA normal text: fail
AA large text: pass
AAA normal text: fail
AAA large text: fail
Non-text: pass
APCA Lc: 71.1'
expect 0 "$contrast" "" -- --contrast '#777' white
expect 2 "" "\"nope\" is not a CSS color name." -- --contrast '#777' nope
expect_misuse "--contrast needs two color codes: the text's and the background's" -- --contrast '#777'
expect_misuse "--contrast takes its two codes and nothing else" -- --contrast '#777' white --format hex
expect_misuse "option '--format' takes json or one of the names --help lists, not 'cmyk'" -- --convert red --format cmyk
expect_misuse "option '--format' works only with --convert or --pick" -- --format hex
expect_misuse "--pick takes only --format" -- --pick --convert red
expect_misuse "--pick takes only --format" -- --pick a.tcpc
expect_misuse "option '--format' takes json or one of the names --help lists, not 'cmyk'" -- --pick --format cmyk

# The templates the user keeps in the window's settings are formats too; one with a malformed pattern is not.
config=$(mktemp -d)
mkdir -p "$config/tintwise-color-picker"
printf '[Templates]\nCount=2\nName1=GLSL vec3\nPattern1=vec3({rf:.2}, {gf:.2}, {bf:.2})\nName2=Broken\nPattern2={red}\n' \
    >"$config/tintwise-color-picker/settings.ini"
export XDG_CONFIG_HOME=$config
expect 0 "vec3(1.00, 0.50, 0.00)" "" -- --convert '#FF8000' --format glsl-vec3
expect_misuse "option '--format' takes json or one of the names --help lists, not 'broken'" -- --convert red --format broken
# The user's list replaces the predefined templates.
expect_misuse "option '--format' takes json or one of the names --help lists, not 'swiftui'" -- --convert red --format swiftui
unset XDG_CONFIG_HOME
rm -rf "$config"

run --version
if [[ $got_status != 0 || -n $got_err || ! $got_out =~ ^tintwise-color-picker\ [0-9]+\.[0-9]+\.[0-9]+$ ]]; then
    fail "--version"
fi
run --help
if [[ $got_status != 0 || -n $got_err || $got_out != "Usage: tintwise-color-picker [OPTION]... [FILE]"* ||
    $got_out != *"--convert CODE"* || $got_out != *"--as hsl"* || $got_out != *"--format NAME"* ||
    $got_out != *"--contrast TEXT BACKGROUND"* || $got_out != *"oklch()"* || $got_out != *"Exit status:"* ]]; then
    fail "--help"
fi
# Help wins wherever it stands before "--", also among the converter's arguments and the window system's options.
for args in "--convert #FF8000 --help" "-platform offscreen -h" "--bogus --help"; do
    # shellcheck disable=SC2086 # the words are the arguments
    run $args
    if [[ $got_status != 0 || $got_out != "Usage: "* ]]; then
        fail "$args"
    fi
done

expect_misuse "unrecognized option '--bogus'" -- --bogus
expect_misuse "only one FILE can be opened, but more were given" -- a.tcpc b.tcpc
expect_misuse "--convert needs a color code" -- --convert
expect_misuse "--convert needs a color code" -- --convert ' '
expect_misuse "unrecognized option '-1,2,3'" -- --convert -1,2,3
expect_misuse "option '--as' takes hsl or rgb, not 'cmyk'" -- --convert 1,2,3 --as cmyk
expect_misuse "--convert opens no FILE, but 'a.tcpc' was given" -- a.tcpc --convert '#FF8000'
expect_misuse "option '-platform' needs a value" -- a.tcpc -platform

if ((failures > 0)); then
    echo "$failures case(s) failed" >&2
    exit 1
fi
echo "the command line answered without a display"
