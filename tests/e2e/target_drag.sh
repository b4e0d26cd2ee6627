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
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$home"' EXIT

picked='#3366CC'
around='#F0E0A0'
target_red='#CC0000'
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

run_case() { # scale
    local scale=$1
    QT_SCALE_FACTOR=$scale "$program" &
    pid=$!
    for _ in $(seq 1 100); do
        xdotool search --name '^Tintwise Color Picker $' >/dev/null 2>&1 && break
        sleep 0.1
    done
    # The program keeps the display open, so the painted desktop stays.
    xsetroot -bitmap "$tile" -fg "$picked" -bg "$around"
    sleep 0.5

    import -window root "$shot"
    # The target is the only thing drawn in its red; its centre is the middle of that red.
    local box
    box=$(convert "$shot" -fill black +opaque "$target_red" -fill white -opaque "$target_red" -format '%@' info:)
    local bw=${box%%x*} rest=${box#*x}
    local bh=${rest%%+*} rest2=${rest#*+}
    local bx=${rest2%%+*} by=${rest2#*+}
    if [ "$bw" -lt 10 ] || [ "$bw" -gt $((40 * scale)) ]; then
        echo "scale $scale: target not found (red box $box)" >&2
        return 1
    fi
    local tx=$((bx + bw / 2)) ty=$((by + bh / 2))
    # The colour swatches stand in the target's row, right of it.
    local band_x=$((bx + bw)) band_y=$((by - 16 * scale)) band_w=$((320 * scale)) band_h=$((120 * scale))
    [ "$(count_color "$picked" $band_w $band_h $band_x $band_y)" -eq 0 ] || {
        echo "scale $scale: the colour is in the window before the drag" >&2
        return 1
    }

    xdotool mousemove $tx $ty
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
    xdotool mousemove $((tx + 200)) $((ty + 300))
    sleep 0.1
    xdotool mousemove $pixel_x $pixel_y
    sleep 0.5
    [ -n "${TW_E2E_SHOTS:-}" ] && import -window root "$TW_E2E_SHOTS/drag-scale$scale.png"
    xdotool mouseup 1
    sleep 0.5

    import -window root "$shot"
    local swatch=$((48 * 48 * scale * scale))
    local found
    found=$(count_color "$picked" $band_w $band_h $band_x $band_y)
    if [ "$found" -lt $((swatch * 9 / 10)) ]; then
        echo "scale $scale: Color #1 is not $picked after the drag ($found pixels of it beside the target)" >&2
        [ -n "${TW_E2E_SHOTS:-}" ] && cp "$shot" "$TW_E2E_SHOTS/after-scale$scale.png"
        return 1
    fi
    # The release recorded the colour as the newest history entry (51 + 256 * 102 + 65536 * 204).
    if ! sed -n '/^\[History\]/,/^\[/p' "$XDG_CONFIG_HOME/tintwise-color-picker/settings.ini" | grep -qx '1=13395507'; then
        echo "scale $scale: $picked is not the newest history entry" >&2
        return 1
    fi
    echo "scale $scale: dragged to ($pixel_x, $pixel_y), Color #1 is $picked"
    kill $pid
    wait $pid 2>/dev/null || true
    pid=
}

run_case 1
run_case 2
