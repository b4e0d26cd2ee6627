#!/usr/bin/env bash
# Drags from the target with the real mouse to one pixel of the painted desktop and checks that its colour
# becomes Color #1; then again with the program scaled by 2, where the pixel lies on an odd device pixel that
# only exact device-pixel handling reaches.
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
# The once-only tip about the code rows would stand modal over the window: mark it as seen.
make_home $'[Main]\nblnCodesTip=True\n'
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; rm -rf "$home" || true' EXIT

picked='#3366CC'
around='#F0E0A0'
# The desktop is tiled with 64 x 64 squares of $around with the one pixel (33, 33) of each in $picked.
tile=$home/tile.xbm
{
    echo '#define tile_width 64'
    echo '#define tile_height 64'
    echo 'static unsigned char tile_bits[] = {'
    for row in $(seq 0 63); do
        for byte in $(seq 0 7); do
            if [ "$row" -eq 33 ] && [ "$byte" -eq 4 ]; then printf '0x02,'; else printf '0x00,'; fi
        done
        echo
    done
    echo '};'
} >"$tile"
pixel_x=$((64 * 30 + 33)) # 1953
pixel_y=$((64 * 17 + 33)) # 1121

shot=$home/shot.png

# Number of pixels of one colour inside a rectangle of the screenshot.
count_color() { # color width height x y
    convert "$shot" -crop "$2x$3+$4+$5" +repage -fill black +opaque "$1" -fill white -opaque "$1" \
        -format '%[fx:round(mean*w*h)]' info:
}

# Takes a screenshot; true once it shows the painted desktop and the target (find_target).
desktop_and_target_shown() {
    import -window root "$shot"
    [ "$(convert "$shot" -format "%[hex:p{$pixel_x,$pixel_y}]" info:)" = "${picked#\#}" ] && find_target "$shot"
}

# Takes a screenshot; sets found to the pixels of $picked in the band of the swatches and is true once they
# make up most of a swatch.
swatch_shows_picked() {
    import -window root "$shot"
    found=$(count_color "$picked" $band_w $band_h $band_x $band_y)
    [ "$found" -ge $((swatch * 9 / 10)) ]
}

newest_history_is_picked() { # 51 + 256 * 102 + 65536 * 204
    sed -n '/^\[History\]/,/^\[/p' "$settings" | grep -qx '1=13395507'
}

run_case() { # scale
    local scale=$1
    QT_SCALE_FACTOR=$scale "$program" &
    pid=$!
    wait_for_window '^Tintwise Color Picker $' >/dev/null
    # The program keeps the display open, so the painted desktop stays.
    xsetroot -bitmap "$tile" -fg "$picked" -bg "$around"
    wait_until 10 "the painted desktop and the target at scale $scale" desktop_and_target_shown
    local bx=$target_x by=$target_y bw=$target_width bh=$target_height
    if [ "$bw" -lt 10 ] || [ "$bw" -gt $((40 * scale)) ]; then
        echo "scale $scale: target not found (red box ${bw}x$bh+$bx+$by)" >&2
        return 1
    fi
    local tx=$((bx + bw / 2)) ty=$((by + bh / 2))
    # The colour swatches stand in the target's row, right of it.
    band_x=$((bx + bw)) band_y=$((by - 16 * scale)) band_w=$((320 * scale)) band_h=$((120 * scale))
    swatch=$((48 * 48 * scale * scale))
    [ "$(count_color "$picked" $band_w $band_h $band_x $band_y)" -eq 0 ] || {
        echo "scale $scale: the colour is in the window before the drag" >&2
        return 1
    }

    xdotool mousemove --sync $tx $ty mousedown 1
    # The pointer turns into the target once the press has taken the snapshot.
    wait_until 10 "the drag to start at scale $scale" pointer_is_target
    xdotool mousemove --sync $((tx + 200)) $((ty + 300)) mousemove --sync $pixel_x $pixel_y
    if ! wait_until 10 "Color #1 to follow the pointer at scale $scale" swatch_shows_picked; then
        echo "scale $scale: Color #1 is not $picked during the drag ($found pixels of it beside the target)" >&2
        [ -n "${TW_E2E_SHOTS:-}" ] && cp "$shot" "$TW_E2E_SHOTS/drag-scale$scale.png"
        return 1
    fi
    [ -n "${TW_E2E_SHOTS:-}" ] && cp "$shot" "$TW_E2E_SHOTS/drag-scale$scale.png"
    xdotool mouseup 1
    # The release records the colour as the newest history entry and gives the pointer back.
    wait_until 10 "$picked as the newest history entry at scale $scale" newest_history_is_picked
    wait_until 10 "the pointer to leave the target shape at scale $scale" pointer_is_not_target

    if ! swatch_shows_picked; then
        echo "scale $scale: Color #1 is not $picked after the drag ($found pixels of it beside the target)" >&2
        [ -n "${TW_E2E_SHOTS:-}" ] && cp "$shot" "$TW_E2E_SHOTS/after-scale$scale.png"
        return 1
    fi
    echo "scale $scale: dragged to ($pixel_x, $pixel_y), Color #1 is $picked"
    kill $pid
    wait $pid 2>/dev/null || true
    pid=
}

run_case 1
run_case 2
