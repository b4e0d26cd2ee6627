#!/usr/bin/env bash
# Ended by the system (SIGTERM, SIGINT, SIGHUP), the program takes the same orderly shutdown as closing its
# window: the settings table is written and "Cap" is emptied, so a later start does not take a stale caption
# for a running copy.
set -euo pipefail
# Job control: without it, bash starts background programs with SIGINT ignored, as if they were run by nohup.
set -m
program=$1
source "$(dirname "$0")/common.bash"
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; rm -rf "$home" || true' EXIT

for signal in TERM INT HUP; do
    make_home $'[Main]\nblnCodesTip=True\nCap=Tintwise Color Picker - stale.tcpc\n'
    "$program" &
    pid=$!
    wait_for_window '^Tintwise Color Picker $' >/dev/null
    kill -"$signal" "$pid"
    wait_for_exit "$pid"
    status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || { echo "SIG$signal: the program ended with status $status" >&2; exit 1; }
    # Keys only the shutdown writes, and the emptied caption.
    [ "$(setting Main newzoom)" != "" ] && [ "$(setting Main Cap)" = "" ] ||
        { echo "SIG$signal: settings after the shutdown:" >&2; cat "$settings" >&2; exit 1; }
    rm -rf "$home"
done

# A window that would ask before it closes (the stylesheet editor) does not hold up the shutdown.
make_home $'[Main]\nblnCodesTip=True\n'
"$program" &
pid=$!
window=$(wait_for_window '^Tintwise Color Picker $')
xdotool windowfocus --sync "$window"
xdotool key alt+f h h Return
wait_for_window '^HTML Stylesheet Editor$' >/dev/null
kill -TERM "$pid"
wait_for_exit "$pid" || { echo "SIGTERM with the stylesheet editor open: the program did not end" >&2; exit 1; }
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || { echo "SIGTERM with the stylesheet editor open: status $status" >&2; exit 1; }
echo "each signal took the orderly shutdown, also with the stylesheet editor open"
