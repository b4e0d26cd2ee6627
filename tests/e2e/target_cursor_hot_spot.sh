#!/usr/bin/env bash
# Holds the left button down on the target at several scales of the program and reads the pointer from the X
# server: its image must be the target in device pixels, and its hot spot, the pixel that lands on the pointer's
# position and is sampled, must lie at the centre of the bullseye drawn in that image, within one device pixel.
set -euo pipefail
program=$1
probe=${TW_CURSOR_PROBE:?the path of cursor_probe}
source "$(dirname "$0")/common.bash"
# The once-only tip about the code rows would stand modal over the window: mark it as seen.
make_home $'[Main]\nblnCodesTip=True\n'
pid=
trap '[ -n "$pid" ] && { xdotool mouseup 1 || true; kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; }; rm -rf "$home" || true' EXIT

shot=$home/shot.png

target_shown() {
    import -window root "$shot"
    find_target "$shot"
}

run_case() { # scale
    local scale=$1
    QT_SCALE_FACTOR=$scale "$program" &
    pid=$!
    wait_for_window '^Tintwise Color Picker $' >/dev/null
    wait_until 10 "the target at scale $scale" target_shown
    pointer_is_not_target || { echo "scale $scale: the pointer is the target before the press" >&2; return 1; }

    xdotool mousemove --sync $((target_x + target_width / 2)) $((target_y + target_height / 2)) mousedown 1
    wait_until 10 "the target as the pointer at scale $scale" pointer_is_target
    local width height xhot yhot left top right bottom
    read -r width height xhot yhot left top right bottom < <("$probe" "$target_red")
    xdotool mouseup 1
    wait_until 10 "the pointer to leave the target shape at scale $scale" pointer_is_not_target

    # The target is 32 pixels across, drawn at the scale: the image must be as many device pixels.
    local side
    side=$(awk -v s="$scale" 'BEGIN { v = 32 * s; r = int(v); if (v - r >= 0.5) r++; print r }')
    local summary="scale $scale: ${width}x$height image, hot spot ($xhot, $yhot),"
    summary+=" red from ($left, $top) to ($right, $bottom)"
    [ "$width" -eq "$side" ] && [ "$height" -eq "$side" ] || { echo "$summary: expected ${side}x$side" >&2; return 1; }
    # In half pixels: the red's centre is (left + right) / 2, and the hot spot may be one pixel off it.
    local dx=$((2 * xhot - left - right)) dy=$((2 * yhot - top - bottom))
    if [ "${dx#-}" -gt 2 ] || [ "${dy#-}" -gt 2 ]; then
        echo "$summary: the hot spot is not the bullseye's centre" >&2
        return 1
    fi
    echo "$summary"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

for scale in 1 1.25 1.5 2 3; do
    run_case "$scale"
done
