#!/usr/bin/env bash
# Starts the real program with a palette file, then with a colour file, on its command line and checks what
# the screen shows: the 40 colours in the grid in their order, the colour in the Color #1 swatch, and the
# caption naming the file.
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
# The once-only tip about the code rows would stand modal over the window: mark it as seen.
make_home $'[Main]\nblnCodesTip=True\n'
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; rm -rf "$home" || true' EXIT

hex() { printf '%02X%02X%02X' "$1" "$2" "$3"; }

# Starts the program with a file, waits for the caption that names it, then until the screen passes the check
# (which takes its own screenshot into $home/shot.png).
start_with() { # file check
    "$program" "$1" &
    pid=$!
    wait_for_window "^Tintwise Color Picker - $(basename "$1")\$" >/dev/null
    wait_until 10 "what $(basename "$1") holds on the screen" "$2"
}

# Whether a screenshot shows the given colours (RRGGBB), each at least once.
screen_shows() {
    import -window root "$home/shot.png"
    local colour text
    text=$(convert "$home/shot.png" -unique-colors txt:-)
    for colour in "$@"; do
        grep -q "#$colour" <<<"$text" || return 1
    done
}

stop() {
    kill $pid
    wait $pid 2>/dev/null || true
    pid=
}

# A palette whose 40 colours all differ: box i is R 10+6i, G 200-4i, B 50+3i.
plain=Pal
for i in $(seq 0 39); do
    plain+=" $(((10 + 6 * i) + (200 - 4 * i) * 256 + (50 + 3 * i) * 65536))"
done
encode "$plain" >"$home/forty.tcpp"
# The grid is drawn once its first and its last box are.
palette_drawn() { screen_shows "$(hex 10 200 50)" "$(hex $((10 + 6 * 39)) $((200 - 4 * 39)) $((50 + 3 * 39)))"; }
start_with "$home/forty.tcpp" palette_drawn
first=$(convert "$home/shot.png" txt:- | grep -m1 "#$(hex 10 200 50)" | cut -d: -f1) || true
if [ -z "$first" ]; then
    echo "box 0 of the palette is not on the screen" >&2
    exit 1
fi
x0=${first%,*}
y0=${first#*,}
# Box i stands in column i / 5 and row i % 5, 24 and 20 pixels apart; look well inside each box.
format=
for i in $(seq 0 39); do
    format+="%[hex:p{$((x0 + 24 * (i / 5) + 6)),$((y0 + 20 * (i % 5) + 6))}] "
done
read -r -a seen <<<"$(convert "$home/shot.png" -format "$format" info:)"
for i in $(seq 0 39); do
    expected=$(hex $((10 + 6 * i)) $((200 - 4 * i)) $((50 + 3 * i)))
    if [ "${seen[i]:0:6}" != "$expected" ]; then
        echo "box $i shows ${seen[i]}, expected $expected" >&2
        exit 1
    fi
done
echo "palette file shown in the grid"
stop

# A colour file saved from Color #1: R 18, G 52, B 86.
encode "1$((18 + 52 * 256 + 86 * 65536))" >"$home/one.tcpc"
pixels=0
swatch_drawn() {
    import -window root "$home/shot.png"
    pixels=$(convert "$home/shot.png" -fill black +opaque "#123456" -fill white -opaque "#123456" \
        -format "%[fx:round(mean*w*h)]" info:)
    [ "$pixels" -ge 1500 ]
}
start_with "$home/one.tcpc" swatch_drawn ||
    { echo "the colour of the file covers $pixels pixels, not a swatch" >&2; exit 1; }
echo "colour file shown as Color #1"
stop
