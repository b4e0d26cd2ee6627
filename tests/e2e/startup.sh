#!/usr/bin/env bash
# Starts the real program on the X display and checks that its main window appears with its caption.
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
make_home
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$home"' EXIT
for _ in $(seq 1 100); do
    if xdotool search --name '^Tintwise Color Picker $' >/dev/null 2>&1; then
        kill -0 $pid
        echo "main window shown"
        exit 0
    fi
    sleep 0.1
done
echo "no window titled 'Tintwise Color Picker ' appeared" >&2
exit 1
