#!/usr/bin/env bash
# Takes the manual's pictures (resources/manual/Help-images/*.png) from the program itself, on a private X server
# with a window manager, so that they show the program as it is. Run it after changing what the windows look like:
#   bash scripts/manual-screenshots.sh [path/to/tintwise-color-picker]
# Needs xvfb-run, openbox, xdotool, xsetroot and ImageMagick (scripts/install-deps.sh installs them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/src/tintwise-color-picker}
out=$root/resources/manual/Help-images
[ -x "$program" ] || { echo "no program at $program; build first or name it" >&2; exit 1; }
mkdir -p "$out"

if [ -z "${TW_SHOTS_INNER:-}" ]; then
    exec env TW_SHOTS_INNER=1 xvfb-run -a -s "-noreset -screen 0 1280x1200x24" "$0" "$program"
fi

source "$root/tests/e2e/common.bash"
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
xsetroot -solid '#2a7ab0'

# One run of the program with the given settings; leaves its pid in $pid and its window in $window.
start() {
    make_home "[Main]
blnCodesTip=True
$1
"
    "$program" >/dev/null 2>&1 &
    pid=$!
    window=$(wait_for_window '^Tintwise Color Picker ?$')
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    sleep 0.7
}
stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -rf "$home"
}
# The window's place on the screen, as "x y".
origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }'
}
shot() { # window file
    sleep 0.5
    import -window "$1" "$out/$2"
}

# Main window, with Color #1 taken from the desktop and Color #2 from a palette box by dragging the target.
start ""
read -r wx wy < <(origin "$window")
xdotool mousemove $((wx + 78)) $((wy + 58)) mousedown 1 mousemove $((wx + 40)) $((wy + 600)) sleep 0.2 \
    mousemove $((wx - 40)) $((wy + 300)) sleep 0.3 mouseup 1
xdotool mousemove $((wx + 78)) $((wy + 58)) mousedown 3 mousemove $((wx + 120)) $((wy + 440)) sleep 0.2 \
    mousemove $((wx + 170)) $((wy + 449)) sleep 0.3 mouseup 3
xdotool mousemove $((wx + 700)) $((wy + 500))
shot "$window" main-window.png

# The history from the File menu.
xdotool key alt+f h Return
history=$(wait_for_window '^Color History$')
shot "$history" history.png
stop

# The stylesheet editor, the second of the File menu's H entries.
start ""
xdotool key alt+f h h Return
editor=$(wait_for_window '^HTML Stylesheet Editor$')
shot "$editor" html-editor.png
stop

# The mini picker, from its button below the magnifier.
start ""
read -r wx wy < <(origin "$window")
xdotool mousemove $((wx + 538)) $((wy + 318)) click 1
mini=$(wait_for_window 'Mini')
shot "$mini" mini-picker.png
stop

start "hide=True"
shot "$window" compact.png
stop

start "scheme=1"
shot "$window" dark-scheme.png
stop

# The contrast, CSS and template section, with Color #2 typed into its HTML field and Color #1 into its oklch() row.
start "web=True"
read -r wx wy < <(origin "$window")
xdotool mousemove $((wx + 335)) $((wy + 303)) click --repeat 3 1 type '#FFFFFF'
xdotool key Return mousemove $((wx + 199)) $((wy + 897)) click 1 key ctrl+a type 'oklch(0.55 0.15 200)'
xdotool key Return mousemove $((wx + 700)) $((wy + 500))
shot "$window" web-section.png
stop

# The still picture of "Freeze Screen While Picking" with its magnifier and a 3 x 3 average, the button held over the
# palette.
start "freeze=True
average=3"
read -r wx wy < <(origin "$window")
px=$((wx + 172)) py=$((wy + 452))
xdotool mousemove $((wx + 78)) $((wy + 58)) mousedown 1 mousemove $((px - 10)) $((py - 10)) sleep 0.2 mousemove $px $py
sleep 0.7
import -window root -crop 440x480+$((px - 200))+$((py - 170)) +repage "$out/frozen-pick.png"
xdotool mouseup 1
stop

kill "$wm" 2>/dev/null || true
echo "pictures written to $out"
