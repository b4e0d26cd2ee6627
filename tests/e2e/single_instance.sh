#!/usr/bin/env bash
# Starting the program while it runs leaves one window: the later start hands its file to the running copy and
# ends. A copy killed without its shutdown does not block the next start, and a running copy that does not
# answer gives the later start its message.
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
make_home $'[Main]\nblnCodesTip=True\n'
end_processes_on_exit
main='^Tintwise Color Picker $'

"$program" &
first=$!
pids+=("$first")
wait_for_window "$main" >/dev/null

# A later start with a path relative to its own folder: the running copy must get the absolute path and open
# the file (a sky blue colour file), which its caption then names.
cd "$home"
encode "216436871" >sky.tcpc # Color #2 = 135, 206, 250
timeout 15 "$program" sky.tcpc
[ "$(setting Main Cmd)" = "$home/sky.tcpc" ] || { echo "Cmd is '$(setting Main Cmd)'" >&2; exit 1; }
wait_for_window '^Tintwise Color Picker - sky.tcpc$' >/dev/null
[ "$(count_windows '^Tintwise Color Picker')" -eq 1 ] || { echo "more than one main window" >&2; exit 1; }
kill -0 "$first"
echo "a second start handed over its file, the running copy opened it, and the second start ended"

# Killed: no shutdown ran and the socket file is left behind.
kill -9 "$first"
wait "$first" 2>/dev/null || true
wait_for_window_gone "$main"
[ -S "$XDG_RUNTIME_DIR/tintwise-color-picker-$(id -u)/instance-$(id -u)" ]
"$program" &
next=$!
pids+=("$next")
wait_for_window "$main" >/dev/null
# The later start ends on its own (one that opened its own window would still run) and leaves one window.
timeout 15 "$program"
[ "$(count_windows "$main")" -eq 1 ] || { echo "more than one main window after a crash" >&2; exit 1; }
kill -0 "$next"
echo "a copy killed before did not block the next start"

# A running copy that is stopped cannot answer: the later start says so and ends.
kill -STOP "$next"
"$program" "$home/none.tcpc" &
later=$!
pids+=("$later")
box=$(wait_for_window '^Tintwise Color Picker$' 20)
xdotool windowfocus --sync "$box" key Return
wait_for_exit "$later"
status=0
wait "$later" || status=$?
[ "$status" -eq 3 ] || { echo "a failed hand-over ended with status $status" >&2; exit 1; }
kill -CONT "$next"
kill -0 "$next"
echo "a hand-over that could not be delivered was reported"
