#!/usr/bin/env bash
# --pick in a Wayland session, where no program may read the screen: sway without a screen (headless) runs an
# 1280x960 output at scale 2, and the desktop portal with its wlroots backend, on a private session bus, takes
# the picture. The desktop is painted so that the pixels around the ones picked differ:
#   1. a click picks the device pixel under the pointer,
#   2. the Right arrow moves the pick point by one device pixel, half a step of the pointer, before Enter,
#   3. Esc ends with status 4 and nothing printed.
# Skipped (77) when sway, the portal's wlroots backend, Qt's Wayland plugin or a tool it drives is missing.
# TW_E2E_SHOTS, when set, names a folder for a screenshot of the frozen surface.
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/../common.bash"

for tool in sway swaymsg swaybg grim wtype wayvnc pipewire dbus-daemon gdbus setpriv convert \
    /usr/libexec/xdg-desktop-portal /usr/libexec/xdg-desktop-portal-wlr; do
    command -v "$tool" >/dev/null || { echo "skipped: no $tool" >&2; exit 77; }
done
compgen -G '/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so' >/dev/null \
    || { echo "skipped: no Wayland plugin for Qt (qt6-wayland)" >&2; exit 77; }

make_home
export XDG_CACHE_HOME=$home/cache
unset DISPLAY WAYLAND_DISPLAY
# A pick still running ends first, then the services in pids, newest first: the compositor last. A pick that
# ended is not in pids, so that its number, free again, is never signalled.
pid=
end_all() {
    if [ -n "$pid" ]; then
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    end_processes
}
trap end_all EXIT

# sway will not run as root: as root it runs as nobody, in folders of its own that root's clients reach.
session=$home/sway
mkdir -p "$session" && chmod 700 "$session"
as_user=()
if [ "$(id -u)" = 0 ]; then
    chmod 711 "$home"
    chown 65534:65534 "$session"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
# The background is drawn by a swaybg started here, so that this script ends it.
cat >"$home/sway.conf" <<EOF
xwayland disable
swaybg_command -
output HEADLESS-1 mode 1280x960 scale 2
EOF
chmod 644 "$home/sway.conf"
export SWAYSOCK=$session/ipc.sock WAYLAND_DISPLAY=$session/wayland-1
env HOME="$session" XDG_RUNTIME_DIR="$session" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman "${as_user[@]}" sway -c "$home/sway.conf" >"$home/sway.log" 2>&1 &
pids+=("$!")
sway_answers() {
    swaymsg -t get_outputs >/dev/null 2>&1
}
wait_until 20 "sway" sway_answers || { tail -20 "$home/sway.log" >&2; exit 1; }

# A dark desktop of 1280x960 device pixels with three pixels of their own in a row: (99, 100), (100, 100) and
# (101, 100). Pointer positions (in logical pixels, two device pixels each) reach only the even ones.
convert -size 1280x960 xc:'#203040' -fill '#4060a0' -draw 'point 99,100' -fill '#ff8000' -draw 'point 100,100' \
    -fill '#10e070' -draw 'point 101,100' "$home/desktop.png"
swaybg -o '*' -i "$home/desktop.png" -m fill >"$home/swaybg.log" 2>&1 &
pids+=("$!")
# The seat has no pointer until wayvnc adds a virtual one; its pointer is then moved by sway's commands.
wayvnc -u "$home/vnc.sock" >"$home/vnc.log" 2>&1 &
pids+=("$!")
seat_has_pointer() {
    swaymsg -t get_seats 2>/dev/null | grep -q '"type": "pointer"'
}
wait_until 10 "wayvnc's pointer" seat_has_pointer || { cat "$home/vnc.log" >&2; exit 1; }
pointer_at() {
    swaymsg seat - cursor set "$1" "$2" >/dev/null
}
# sway draws the pointer into the output (there is no hardware cursor), so into the portal's picture too: it
# waits in the far corner while a picture is taken.
pointer_at 639 479
desktop_shown() {
    grim "$home/shown.png" 2>/dev/null \
        && [ "$(convert "$home/shown.png" -format '%[hex:p{99,100}]%[hex:p{100,100}]%[hex:p{101,100}]' info:)" \
            = 4060A0FF800010E070 ]
}
wait_until 10 "the desktop picture on the output" desktop_shown || { cat "$home/swaybg.log" >&2; exit 1; }

# The private session bus knows no services to start: each one is started here.
cat >"$home/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=$home/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/>
  </policy>
</busconfig>
EOF
dbus-daemon --config-file="$home/bus.conf" --nofork >"$home/bus.log" 2>&1 &
pids+=("$!")
export DBUS_SESSION_BUS_ADDRESS=unix:path=$home/bus
wait_until 10 "the private session bus" test -S "$home/bus"
# The wlroots backend needs PipeWire for screen casts even when it only takes screenshots.
pipewire >"$home/pipewire.log" 2>&1 &
pids+=("$!")
wait_until 10 "PipeWire" test -S "$XDG_RUNTIME_DIR/pipewire-0"
/usr/libexec/xdg-desktop-portal-wlr >"$home/backend.log" 2>&1 &
pids+=("$!")
bus_has() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true
}
wait_until 10 "the portal's wlroots backend" bus_has org.freedesktop.impl.portal.desktop.wlr \
    || { cat "$home/backend.log" >&2; exit 1; }
# The portal offers screenshots only where some backend also answers for access dialogs; the wlroots backend
# is named for both (a backend of version 1 is never asked for one).
mkdir "$home/portals"
printf '[portal]\nDBusName=org.freedesktop.impl.portal.desktop.wlr\nInterfaces=%s;%s;\nUseIn=sway;\n' \
    org.freedesktop.impl.portal.Screenshot org.freedesktop.impl.portal.Access >"$home/portals/sway.portal"
XDG_CURRENT_DESKTOP=sway XDG_DESKTOP_PORTAL_DIR=$home/portals /usr/libexec/xdg-desktop-portal \
    >"$home/portal.log" 2>&1 &
pids+=("$!")
screenshot_offered() {
    gdbus introspect --session --dest org.freedesktop.portal.Desktop --object-path /org/freedesktop/portal/desktop \
        2>/dev/null | grep -q 'interface org.freedesktop.portal.Screenshot '
}
wait_until 10 "the portal's Screenshot interface" screenshot_offered || { cat "$home/portal.log" >&2; exit 1; }

frozen_shown() {
    swaymsg -t get_tree 2>/dev/null | grep -q '"name": "Pick a Color"'
}
# Starts a pick with the pointer out of the way and waits for its frozen surface; the printed text goes to
# $home/out.
pick() {
    pointer_at 639 479
    QT_QPA_PLATFORM=wayland "$program" --pick "$@" >"$home/out" 2>"$home/err" &
    pid=$!
    wait_until 15 "the frozen surface" frozen_shown || { cat "$home/err" >&2; exit 1; }
}
# Whether a screenshot shows the magnifier's swatch in the colour (RRGGBB): far more pixels of it than the
# desktop's one pixel, magnified.
magnifier_shows() {
    grim "$home/magnified.png" && [ "$(convert "$home/magnified.png" -fill black +opaque "#$1" \
        -fill white -opaque "#$1" -format '%[fx:int(mean*w*h)]' info:)" -gt 2000 ]
}
# Puts the pointer on the logical pixel (x, y) and waits until the magnifier shows the colour (RRGGBB) there.
# The surface learns where the pointer is from sway only once sway has put it on the output, which may come
# after the first move: the pointer goes there again until the magnifier follows.
point_at() {
    pointer_at $(($1 + 1)) "$2" && pointer_at "$1" "$2" && magnifier_shows "$3"
}
# Waits for the pick to end and checks its exit status and what it printed (nothing for "").
finish() { # what status printed
    local status=0
    wait_until 10 "--pick to end" process_ended "$pid" || { cat "$home/err" >&2; exit 1; }
    wait "$pid" || status=$?
    pid=
    [ "$status" = "$2" ] || { echo "$1 ended with status $status, not $2: $(cat "$home/err")" >&2; exit 1; }
    [ "$(cat "$home/out")" = "$3" ] || { echo "$1 printed '$(cat "$home/out")', not '$3'" >&2; exit 1; }
}

# 1. A click at the logical pixel (50, 50): the device pixel (100, 100).
pick --format hex
wait_until 10 "the magnifier to show #ff8000" point_at 50 50 ff8000
swaymsg seat - cursor press button1 >/dev/null
swaymsg seat - cursor release button1 >/dev/null
finish "a click" 0 "#ff8000"
echo "click: picked the device pixel (100, 100)"

# 2. From the same place, Right reaches the odd device pixel (101, 100) that no pointer position names.
pick --format html
wait_until 10 "the magnifier to show #ff8000" point_at 50 50 ff8000
wtype -k Right
wait_until 10 "the magnifier to show #10e070" magnifier_shows 10e070
if [ -n "${TW_E2E_SHOTS:-}" ]; then
    cp "$home/magnified.png" "$TW_E2E_SHOTS/wayland-frozen.png"
fi
wtype -k Return
finish "Right and Enter" 0 "#10E070"
echo "arrow: Right and Enter picked the device pixel (101, 100)"

# 3. Esc.
pick --format hex
wait_until 10 "the magnifier to show #ff8000" point_at 50 50 ff8000
wtype -k Escape
finish "Esc" 4 ""
echo "Esc: cancelled with status 4"
