#!/usr/bin/env bash
# Whole-process start-up: the time from exec until the main window is mapped on the X display, for the
# program and for a bare Qt window, side by side with hyperfine. Run under xvfb-run from the build folder,
# with -noreset: otherwise the X server resets each time the last program of a run closes, and the next run
# may find no display:
#   xvfb-run -a -s "-noreset -screen 0 1920x1080x24" bash ../bench/startup.sh
set -euo pipefail
build=${1:-.}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Starts a program, waits until a window with the given title is visible, then ends it.
cat >"$home/until-shown" <<'SCRIPT'
#!/usr/bin/env bash
"$1" & pid=$!
# xdotool's own --sync looks only every half second: poll faster.
until xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; do sleep 0.005; done
kill $pid; wait $pid 2>/dev/null || true
SCRIPT
chmod +x "$home/until-shown"

hyperfine --warmup 3 --runs 20 -N \
    -n "bare Qt window" "$home/until-shown $build/bench/bench_bare_window ^Bare.Qt.Window" \
    -n "tintwise-color-picker" "$home/until-shown $build/src/tintwise-color-picker ^Tintwise.Color.Picker"
