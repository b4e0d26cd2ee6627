#!/usr/bin/env bash
# Two monitors side by side with different scales, on an X server of its own (Xorg with the dummy driver,
# since Xvfb cannot place monitors side by side): a 1920x1080 monitor at scale 1 and, right of it, a
# 1280x1024 one at scale 2. The desktop is painted so that every pixel has its own colour. Three picks, each
# of one odd device pixel of the second monitor, as a user makes them:
#   1. a drag from the target,
#   2. the frozen surface ("Freeze Screen While Picking"), with the arrow keys moving the last five pixels,
#   3. the frozen surface showing a picture from a desktop portal (a stand-in on a private session bus),
#      picked with a click.
# TW_E2E_SHOTS, when set, names a folder for the screenshots taken during the picks.
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/../common.bash"
make_home $'[Main]\nblnCodesTip=True\n'
xorg= pid= bus= portal=
cleanup() {
    local p
    for p in $pid $portal $bus $xorg; do
        kill "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    rm -rf "$home" || true
}
trap cleanup EXIT

display=
for n in $(seq 70 99); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=:$n
        break
    fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
Xorg "$display" -noreset -nolisten tcp -config "$(realpath "$here/xorg-dummy.conf")" -logfile "$home/xorg.log" \
    >"$home/xorg.out" 2>&1 &
xorg=$!
export DISPLAY=$display
unset WAYLAND_DISPLAY
wait_until 20 "Xorg on $display" xdpyinfo >/dev/null 2>&1 || { tail -20 "$home/xorg.log" >&2; exit 1; }
# A second output of its own (not only a monitor drawn on one output), since the X server keeps the pointer on
# the outputs' area.
xrandr --fb 3200x1080
xrandr --addmode DUMMY1 1280x1024
xrandr --output DUMMY1 --mode 1280x1024 --pos 1920x0
export QT_SCREEN_SCALE_FACTORS="DUMMY0=1;DUMMY1=2"

# Red is x mod 256, green y mod 256, blue the high bits of x (upper four) and y (lower four).
perl -e 'print "P6\n3200 1080\n255\n"; for my $y (0..1079) { my $row = "";
    for my $x (0..3199) { $row .= pack("CCC", $x & 255, $y & 255, (($x >> 8) << 4) | ($y >> 8)) } print $row }' \
    >"$home/desktop.ppm"
value_of() { # x y: the colour value (red + 256 green + 65536 blue) of that pixel
    echo $((($1 & 255) + 256 * ($2 & 255) + 65536 * ((($1 >> 8) << 4) | ($2 >> 8))))
}
display -window root "$home/desktop.ppm" || true
shot=$home/shot.png
import -window root "$shot"
[ "$(convert "$shot" -format '%[hex:p{2345,677}]' info:)" = "29A592" ] || {
    echo "the root window does not show the numbered desktop" >&2
    exit 1
}

newest_history_is() {
    sed -n '/^\[History\]/,/^\[/p' "$settings" | grep -qx "1=$1"
}
# Waits for the colour value to be recorded as the newest history entry; shows the history when it is not.
expect_picked() { # what value
    wait_until 10 "$1 ($2) as the newest history entry" newest_history_is "$2" || {
        sed -n '/^\[History\]/,/^\[/p' "$settings" >&2
        [ ! -e "$home/portal.out" ] || cat "$home/portal.out" >&2
        exit 1
    }
}
keep_shot() {
    [ -n "${TW_E2E_SHOTS:-}" ] && import -window root "$TW_E2E_SHOTS/$1.png" || true
}
start_program() {
    "$program" &
    pid=$!
    wait_for_window '^Tintwise Color Picker $' >/dev/null
    wait_until 10 "the target" target_shown
}
target_shown() {
    import -window root "$shot"
    find_target "$shot"
}
stop_program() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

# 1. A drag from the target to (2345, 677): the second monitor's device pixel (425, 677), odd in x.
start_program
tx=$((target_x + target_width / 2)) ty=$((target_y + target_height / 2))
xdotool mousemove --sync $tx $ty mousedown 1
wait_until 10 "the drag to start" pointer_is_target
xdotool mousemove --sync 2300 600 mousemove --sync 2345 677
sleep 0.3
keep_shot drag-second-monitor
xdotool mouseup 1
expected=$(value_of 2345 677)
expect_picked "the dragged pixel" "$expected"
echo "drag: picked (2345, 677) on the second monitor"

# 2. The frozen surface: the press freezes the desktop, the drag goes to (2360, 701), five Right arrows move
# the pick point one device pixel each, and the release picks (2365, 701).
stop_program
printf '[Main]\nblnCodesTip=True\nfreeze=True\n' >"$settings"
start_program
xdotool mousemove --sync $tx $ty mousedown 1
wait_for_window '^Pick a Color$' >/dev/null
xdotool mousemove --sync 2300 600 mousemove --sync 2360 701
for _ in 1 2 3 4 5; do xdotool key Right; done
sleep 0.3
keep_shot frozen-arrows
xdotool mouseup 1
wait_for_window_gone '^Pick a Color$'
expected=$(value_of 2365 701)
expect_picked "the pixel the arrows reached" "$expected"
echo "frozen surface: the arrows led the drag from (2360, 701) to (2365, 701)"
stop_program

# 3. A desktop portal's picture: the program is told it runs in a Wayland session (WAYLAND_DISPLAY with X11
# as its platform, as under Xwayland; the platform named, since with a Wayland plugin installed the toolkit
# would try that first), so it may not read the screen and asks the portal on its session bus.
# The portal's picture is the desktop in negative, so a pick from it cannot come from the screen itself.
convert "$home/desktop.ppm" -negate "$home/portal.png"
bus_address=$home/bus-address
dbus-daemon --session --nofork --print-address=3 3>"$bus_address" &
bus=$!
wait_until 10 "the private session bus" test -s "$bus_address"
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$bus_address")
"${TW_PORTAL_HELPER:?the path of the portal stand-in}" --image "$home/portal.png" image >"$home/portal.out" &
portal=$!
wait_until 10 "the portal stand-in" grep -q ready "$home/portal.out"
printf '[Main]\nblnCodesTip=True\n' >"$settings"
WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=xcb start_program
xdotool mousemove --sync $tx $ty click 1
wait_for_window '^Pick a Color$' >/dev/null
xdotool mousemove --sync 2300 600 mousemove --sync 2345 677
sleep 0.3
keep_shot portal-surface
xdotool click 1
wait_for_window_gone '^Pick a Color$'
negative=$(((255 - (2345 & 255)) + 256 * (255 - (677 & 255)) + 65536 * (255 - (((2345 >> 8) << 4) | (677 >> 8)))))
expect_picked "the portal picture's pixel" "$negative"
echo "portal: picked (2345, 677) of the portal's picture"
