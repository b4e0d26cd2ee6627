#!/usr/bin/env bash
# A colour taken from the "Color History" window becomes the newest entry; closing the program writes the
# settings; after a restart the window shows the colours picked before.
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
make_home $'[Main]\nblnCodesTip=True\nCap=Tintwise Color Picker - old.tcpc\n\n[History]\n1=255\n2=65280\n'
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; rm -rf "$home" || true' EXIT
main='^Tintwise Color Picker $'

"$program" &
pid=$!
window=$(wait_for_window "$main")
history=$(open_history_window "$window")
# Entry 2 is green: a left click makes it Color #1 and the newest entry.
read -r x y < <(find_colour "$history" '#00FF00')
xdotool mousemove --window "$history" "$x" "$y" click 1
history_after_click() {
    setting_is History 1 65280 && setting_is History 2 255 && setting_is History 3 65280
}
wait_until 10 "the clicked colour as the newest history entry" history_after_click ||
    { echo "history after the click:" >&2; cat "$settings" >&2; exit 1; }
xdotool windowfocus --sync "$history" key Escape
wait_for_window_gone '^Color History$'

# File > Exit runs the shutdown.
open_menu "$window" alt+f
xdotool key x
wait_for_exit "$pid"
pid=
grep -qx 'Cap=' "$settings" || { echo "Cap was not emptied" >&2; cat "$settings" >&2; exit 1; }
echo "closing wrote the settings"

"$program" &
pid=$!
window=$(wait_for_window "$main")
history=$(open_history_window "$window")
read -r greenX greenY < <(find_colour "$history" '#00FF00')
read -r redX redY < <(find_colour "$history" '#FF0000')
# Boxes 1, 2, 3 lie in one row: green, red, green.
[ "$greenY" -eq "$redY" ] && [ "$greenX" -lt "$redX" ] || { echo "green $greenX,$greenY red $redX,$redY" >&2; exit 1; }
shot=$(mktemp --suffix=.png)
import -window "$history" "$shot"
convert "$shot" -crop "x1+0+$greenY" txt:- | awk -v after="$redX" '
    { split($1, p, /[,:]/) } p[1] > after + 40 && /#00FF00/ { found = 1 } END { exit !found }' ||
    { rm -f "$shot"; echo "no third entry in green" >&2; exit 1; }
rm -f "$shot"
echo "after a restart the history window shows the colours picked before"
