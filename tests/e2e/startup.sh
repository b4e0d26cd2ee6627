#!/usr/bin/env bash
# Starts the real program on the X display and checks that its main window appears with its caption.
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
make_home
"$program" &
pid=$!
trap 'kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; rm -rf "$home" || true' EXIT
wait_for_window '^Tintwise Color Picker $' >/dev/null
kill -0 $pid
echo "main window shown"
