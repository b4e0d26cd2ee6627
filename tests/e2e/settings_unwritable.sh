#!/usr/bin/env bash
# Settings that cannot be written (here the settings folder's path is a file) are reported once, and the
# program goes on working and ends normally.
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
make_home
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; rm -rf "$home" || true' EXIT
rm -rf "$XDG_CONFIG_HOME/tintwise-color-picker"
touch "$XDG_CONFIG_HOME/tintwise-color-picker"

"$program" &
pid=$!
# A first start shows its tip; writing that it was shown is the first write, which fails and is reported.
tip=$(wait_for_window '^Tintwise Color Picker Tip$')
xdotool windowfocus --sync "$tip" key Return
box=$(wait_for_window '^Tintwise Color Picker$')
xdotool windowfocus --sync "$box" key Return
wait_for_window '^Tintwise Color Picker $' >/dev/null
# Told once: the shutdown writes the settings again, quietly, and the program ends normally.
kill -TERM "$pid"
wait_for_exit "$pid"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || { echo "the program ended with status $status" >&2; exit 1; }
echo "the failed write was reported once and the program went on"
