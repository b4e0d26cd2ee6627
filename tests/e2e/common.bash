# Shared steps of the end-to-end scripts (sourced, so not a test of its own).

# Gives this run its own XDG folders, removed on exit, and seeds the settings file when text is given.
# Sets: home, settings.
make_home() {
    home=$(mktemp -d)
    export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/runtime
    mkdir -p "$XDG_CONFIG_HOME/tintwise-color-picker" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    settings=$XDG_CONFIG_HOME/tintwise-color-picker/settings.ini
    if [ $# -gt 0 ]; then
        printf '%s' "$1" >"$settings"
    fi
}

# Prints the id of the first window whose title matches the pattern, waiting up to the given seconds (10).
wait_for_window() {
    local pattern=$1 seconds=${2:-10} id
    for _ in $(seq 1 $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window titled '$pattern' appeared" >&2
    return 1
}

# How many visible windows have a title matching the pattern.
count_windows() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l
}

# Waits up to ten seconds for a process to end; fails if it does not.
wait_for_exit() {
    local pid=$1
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    echo "process $pid did not end" >&2
    return 1
}

# Opens File > Color History... from the keyboard and prints the history window's id. The mnemonic H is shared
# with another item of the menu, so each further press moves on to the next of them: try one press, then two.
open_history_window() {
    local main=$1 presses id
    for presses in 1 2 3; do
        xdotool windowfocus --sync "$main"
        xdotool key alt+f
        sleep 0.3
        for _ in $(seq 1 "$presses"); do xdotool key h; done
        xdotool key Return
        for _ in $(seq 1 20); do
            id=$(xdotool search --onlyvisible --name '^Color History$' 2>/dev/null | head -1 || true)
            if [ -n "$id" ]; then
                echo "$id"
                return 0
            fi
            sleep 0.1
        done
        xdotool key Escape Escape
    done
    echo "the Color History window did not open" >&2
    return 1
}

# The value of a key in the settings file, or nothing.
setting() {
    local section=$1 key=$2
    awk -v section="[$section]" -v key="$key" '
        /^\[/ { inside = ($0 == section); next }
        inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }' "$settings"
}

# Prints "x y" of the first pixel of the given colour (#RRGGBB) in a screenshot of the window, or fails.
find_colour() {
    local window=$1 colour=$2 shot
    shot=$(mktemp --suffix=.png)
    import -window "$window" "$shot"
    convert "$shot" txt:- | awk -v colour="$colour" '$0 ~ colour { split($1, p, /[,:]/); print p[1], p[2]; found = 1; exit }
        END { exit !found }'
    local status=$?
    rm -f "$shot"
    return $status
}

# The file text encoding with key 20 and "a" after every number: the reversed text, each character's code
# minus 20, 21, 22 ...
encode() {
    local plain=$1 out="20a" key=20 i code
    for ((i = ${#plain} - 1; i >= 0; i--)); do
        code=$(printf '%d' "'${plain:i:1}")
        out+="$((code - key))a"
        key=$((key + 1))
    done
    printf '%s\r\n' "$out"
}
