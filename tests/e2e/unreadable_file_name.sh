#!/usr/bin/env bash
# A file name that is not valid UTF-8 is not opened under another name: the program says plainly that the name
# cannot be read, then starts as usual.
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
make_home $'[Main]\nblnCodesTip=True\n'
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; rm -rf "$home" || true' EXIT
name=$(printf 'caf\xe9.tcpc')
printf 'x' >"$home/$name"

"$program" "$home/$name" &
pid=$!
box=$(wait_for_window '^Tintwise Color Picker$')
xdotool windowfocus --sync "$box" key Return
wait_for_window '^Tintwise Color Picker $' >/dev/null
kill -0 "$pid"
echo "the unreadable name was reported and the program started"
