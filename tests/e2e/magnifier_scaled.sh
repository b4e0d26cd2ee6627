#!/usr/bin/env bash
# The magnifier as the screen shows it, with the program scaled by 1, 1.25, 1.5 and 2: after a drag over a
# checkered desktop, at 1000 % with the grid, every grid line across and down the view is one device pixel
# and every cell ten, and a click on the first or last device pixel of a cell, or on the grid line that
# starts it, takes that cell's screen pixel.
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
# 1000 % (list index 13) with grid and crosshair: 11 device pixels per screen pixel, one of them the line.
make_home $'[Main]\nblnCodesTip=True\nnewzoom=13\ngrid=1\ncross=1\n'
pid=
trap '[ -n "$pid" ] && { xdotool mouseup 1 || true; kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; }; rm -rf "$home" || true' EXIT

# The desktop is a checkerboard of two colours, one screen pixel per square, so neighbouring cells of the
# view always differ. Their colour values (0x00BBGGRR) as the history records them:
dark=3366CC dark_value=13395507
light=F0E0A0 light_value=10543344
cell=10
tile=$home/checker.xbm
{
    echo '#define checker_width 8'
    echo '#define checker_height 8'
    echo 'static unsigned char checker_bits[] = {'
    for _ in 1 2 3 4; do echo '0x55, 0xaa,'; done
    echo '};'
} >"$tile"
shot=$home/shot.png

# Takes a screenshot; true once it shows the checkered desktop and the target (find_target).
desktop_and_target_shown() {
    import -window root "$shot"
    [ "$(convert "$shot" -format '%[hex:p{2000,1000}]' info:)" = "$dark" ] && find_target "$shot"
}

# The crosshair as "left top right bottom" in screen pixels: among the pure red shapes on the screen, the
# square outline centred in its bounds (the palette's red box, and slivers of it, are no outlines).
crosshair() {
    convert "$shot" -fill black +opaque '#FF0000' -fill white -opaque '#FF0000' \
        -define connected-components:verbose=true -connected-components 8 null: |
        awk '$NF == "srgb(255,255,255)" {
                split($2, b, /[x+]/); split($3, c, ",")
                w = b[1]; h = b[2]; x = b[3]; y = b[4]
                dx = c[1] - (x + (w - 1) / 2); dy = c[2] - (y + (h - 1) / 2)
                if (w == h && $4 < w * h / 2 && dx * dx + dy * dy <= 1) {
                    print x, y, x + w - 1, y + h - 1; found = 1; exit
                }
            }
            END { exit !found }'
}

# Takes a screenshot; true once the view shows the dark pixel dragged to inside the crosshair. Sets left,
# top, right and bottom to the crosshair's edges.
view_drawn() {
    import -window root "$shot"
    read -r left top right bottom < <(crosshair) || return 1
    [ -n "$left" ] &&
        [ "$(convert "$shot" -format "%[hex:p{$((left + cell / 2)),$((top + cell / 2))}]" info:)" = "$dark" ]
}

# The runs of one colour along a line of the screenshot through the point, as "colour length" from left to
# right (or top to bottom), over the stretch around the point that shows only the view's colours. The first
# and the last run may be cut by the view's edges.
runs() { # across|down x y
    local crop
    if [ "$1" = across ]; then crop="10000x1+0+$3"; else crop="1x10000+$2+0"; fi
    convert "$shot" -crop "$crop" +repage txt:- | awk -v along="$1" -v x="$2" -v y="$3" \
        -v allowed="000000 FF0000 $dark $light" '
        NR > 1 {
            split($1, p, /[,:]/)
            i = (along == "across") ? p[1] : p[2]
            colour[i] = substr($3, 2, 6)
            if (i > last) last = i
        }
        END {
            n = split(allowed, a, " ")
            for (k = 1; k <= n; k++) ok[a[k]] = 1
            here = (along == "across") ? x : y
            first = here
            while (first > 0 && (colour[first - 1] in ok)) first--
            end = here
            while (end < last && (colour[end + 1] in ok)) end++
            run = 1
            for (i = first + 1; i <= end + 1; i++) {
                if (i <= end && colour[i] == colour[i - 1]) { run++; continue }
                print colour[i - 1], run
                run = 1
            }
        }'
}

# Checks the runs through the point inside the view's edges: lines (black, or red where the crosshair lies on
# them) one device pixel, cells $cell, dark and light taking turns.
check_runs() { # scale across|down x y
    local listing
    listing=$(runs "$2" "$3" "$4")
    awk -v scale="$1" -v along="$2" -v cell=$cell '
        { colour[NR] = $1; length_[NR] = $2 }
        END {
            if (NR < 9) { printf "scale %s: only %d runs %s the view\n", scale, NR, along; exit 1 }
            for (i = 2; i < NR; i++) {
                line = colour[i] == "000000" || colour[i] == "FF0000"
                if (line && length_[i] != 1 || !line && length_[i] != cell) {
                    printf "scale %s: %s the view, run %d of %s is %d device pixels:", scale, along, i, colour[i],
                        length_[i]
                    for (k = 1; k <= NR; k++) printf " %s:%d", colour[k], length_[k]
                    print ""
                    exit 1
                }
                if (!line && i > 3 && colour[i] == colour[i - 2]) {
                    printf "scale %s: %s the view, two neighbouring cells are both %s\n", scale, along, colour[i]
                    exit 1
                }
            }
            printf "scale %s: %d lines of 1 and cells of %d device pixels %s the view\n", scale, int(NR / 2), cell,
                along
        }' <<<"$listing"
}

# Clicks a screen pixel of the view and waits for its colour to be recorded as the newest history entry.
click_takes() { # x y value what
    xdotool mousemove --sync "$1" "$2" click 1
    wait_for_setting History 1 "$3" ||
        { echo "scale $scale: a click on $4 ($1, $2) did not take its cell" >&2; return 1; }
}

run_case() { # scale
    scale=$1
    QT_SCALE_FACTOR=$scale "$program" &
    pid=$!
    wait_for_window '^Tintwise Color Picker $' >/dev/null
    xsetroot -bitmap "$tile" -fg "#$dark" -bg "#$light"
    wait_until 10 "the checkered desktop and the target at scale $scale" desktop_and_target_shown

    # A drag to a dark screen pixel puts it in the centre cell of the view.
    xdotool mousemove --sync $((target_x + target_width / 2)) $((target_y + target_height / 2)) mousedown 1
    wait_until 10 "the drag to start at scale $scale" pointer_is_target
    xdotool mousemove --sync 2000 1000 mouseup 1
    wait_for_setting History 1 $dark_value
    wait_until 10 "the pointer to leave the target shape at scale $scale" pointer_is_not_target
    wait_until 10 "the view to show the dragged-to pixel at scale $scale" view_drawn
    local middle_x=$((left + cell / 2)) middle_y=$((top + cell / 2))
    check_runs "$scale" across $middle_x $middle_y
    check_runs "$scale" down $middle_x $middle_y
    # The box is the outline of the centre cell, its right and bottom edges on the next cells' lines.
    [ $((right - left)) -eq $((cell + 1)) ] && [ $((bottom - top)) -eq $((cell + 1)) ] ||
        { echo "scale $scale: the crosshair spans ($left, $top) to ($right, $bottom)" >&2; return 1; }

    # The crosshair's left edge is the grid line that starts the centre cell; the next cell begins 11 further.
    click_takes $((left + cell + 1)) $middle_y $light_value "the grid line starting the cell right of the centre"
    click_takes "$left" $middle_y $dark_value "the grid line starting the centre cell"
    click_takes $((left + 2 * cell + 1)) $middle_y $light_value "the last pixel of the cell right of the centre"
    click_takes $((left + cell)) $middle_y $dark_value "the last pixel of the centre cell"
    click_takes $((left + cell + 2)) $middle_y $light_value "the first pixel of the cell right of the centre"
    click_takes $((left + 1)) $((top + 1)) $dark_value "the first pixel of the centre cell"
    echo "scale $scale: clicks on the first and last device pixels of cells and on grid lines took their cells"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

for scale in 1 1.25 1.5 2; do
    run_case "$scale"
done
