#!/usr/bin/env bash
# --pick on a real X display: a click picks exactly the pixel under the pointer, the arrow keys move the pick
# point by one pixel before Enter picks, and Esc or SIGTERM ends with status 4 and nothing printed.
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
make_home
pid=
trap 'if [ -n "$pid" ]; then kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; fi; rm -rf "$home" || true' EXIT

# A dark screen with one orange pixel at (100, 100).
convert -size 2560x1440 xc:'#203040' -fill '#ff8000' -draw 'point 100,100' "$home/screen.png"
# display ends with status 1 after setting the background even when it worked: what the screen shows is checked.
display -window root "$home/screen.png" || true
import -window root "$home/shown.png"
shown=$(convert "$home/shown.png" -format '%[hex:p{100,100}] %[hex:p{99,100}]' info:)
[[ $shown == FF8000*\ 203040* ]] || { echo "the screen shows $shown, not the test picture" >&2; exit 1; }

# Starts a pick, waits for its window and runs the xdotool steps given; the printed text goes to $home/out.
pick() {
    "$program" --pick "$@" >"$home/out" 2>"$home/err" &
    pid=$!
    wait_for_window '^Pick a Color$' >/dev/null
}
# Waits for the pick to end; sets status to its exit status.
finish() {
    status=0
    wait_until 10 "--pick to end" process_ended "$pid"
    wait "$pid" || status=$?
    pid=
}

xdotool mousemove 100 100
pick --format hex
xdotool mousemove 100 100 click 1
finish
[ "$status" = 0 ] || { echo "a click ended with status $status: $(cat "$home/err")" >&2; exit 1; }
[ "$(cat "$home/out")" = "#ff8000" ] || { echo "a click printed '$(cat "$home/out")', not #ff8000" >&2; exit 1; }

# One pixel to the left, then Right and Enter: the orange pixel again, in the six notations.
xdotool mousemove 99 100
pick
xdotool key Right key Return
finish
[ "$status" = 0 ] || { echo "Enter ended with status $status" >&2; exit 1; }
grep -qx 'HTML Hex: #FF8000' "$home/out" || { echo "Right and Enter printed: $(cat "$home/out")" >&2; exit 1; }

# Shift+Right moves ten pixels: from (90, 100) to the orange one.
xdotool mousemove 90 100
pick --format rgb
xdotool key shift+Right key space
finish
[ "$(cat "$home/out")" = "rgb(255 128 0)" ] || { echo "Shift+Right printed '$(cat "$home/out")'" >&2; exit 1; }

pick --format hex
xdotool key Escape
finish
[ "$status" = 4 ] || { echo "Esc ended with status $status, not 4" >&2; exit 1; }
[ ! -s "$home/out" ] || { echo "Esc printed '$(cat "$home/out")'" >&2; exit 1; }

# A termination request (a desktop shortcut's pick given up by its script) ends it as Esc does.
pick --format hex
kill -TERM "$pid"
finish
[ "$status" = 4 ] || { echo "SIGTERM ended --pick with status $status, not 4" >&2; exit 1; }
[ ! -s "$home/out" ] || { echo "SIGTERM printed '$(cat "$home/out")'" >&2; exit 1; }
echo "picked by click, by arrows and Enter, and cancelled by Esc and by SIGTERM"
