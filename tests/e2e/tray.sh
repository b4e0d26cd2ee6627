#!/usr/bin/env bash
# With a notification area (trayer, under a window manager), minimising hides the window after a one-off tip
# and a click on the icon brings it back; without one, the window stays minimised on the task bar.
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
make_home $'[Main]\nblnCodesTip=True\n'
pid=
helpers=()
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; for h in "${helpers[@]}"; do kill "$h" 2>/dev/null || true; done; rm -rf "$home" || true' EXIT
main='^Tintwise Color Picker $'

window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

openbox >/dev/null 2>&1 &
helpers+=($!)
# The window manager is there once it announces itself on the root window.
wait_until 10 "the window manager" window_manager_running
# No tray yet: minimising leaves the window minimised, not hidden, and says nothing.
"$program" &
pid=$!
window=$(wait_for_window "$main")
xdotool windowminimize --sync "$window"
xprop -id "$window" WM_STATE | grep -q Iconic || { echo "not minimised" >&2; exit 1; }
# Back from the task bar; the program ends normally and never showed the tray tip.
xdotool windowactivate --sync "$window"
kill -TERM "$pid"
wait_for_exit "$pid"
pid=
[ -z "$(setting Main blnMinTip)" ] || { echo "the tray tip was shown without a tray" >&2; exit 1; }

trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
helpers+=($!)
wait_for_window '^panel$' >/dev/null
"$program" &
pid=$!
window=$(wait_for_window "$main")
xdotool windowminimize "$window"
tip=$(wait_for_window '^Tintwise Color Picker Tip$')
xdotool windowfocus --sync "$tip" key Return
wait_for_window_gone "$main"
# The icon sits at the right end of the panel along the top edge.
read -r width _ < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
xdotool mousemove "$((width - 12))" 12 click 1
wait_for_window "$main" >/dev/null
echo "the tray hid and restored the window; without a tray it minimised"
