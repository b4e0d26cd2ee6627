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

# The processes a test starts: each pid added to pids is killed when the script ends, newest first (a program
# before the servers it was started on), and the home is removed.
# Usage: end_processes_on_exit, then pids+=("$!") after each start.
pids=()
end_processes() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill -9 "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    # A test's own processes are gone; a settings write they made as they ended may still be landing.
    rm -rf "$home" || true
}
end_processes_on_exit() {
    trap end_processes EXIT
}

# Runs the command until it succeeds; fails, naming what it waited for, when the seconds have passed first.
# Usage: wait_until SECONDS DESCRIPTION COMMAND [ARGUMENT...]
wait_until() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "waited ${seconds}s in vain for $what" >&2
            return 1
        fi
        sleep 0.05
    done
}

# Whether a window whose title matches the pattern is mapped.
window_shown() {
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}
window_gone() {
    ! window_shown "$1"
}

# Prints the id of the first mapped window whose title matches the pattern, waiting up to the given seconds (10).
wait_for_window() {
    local pattern=$1 seconds=${2:-10}
    wait_until "$seconds" "a window titled '$pattern'" window_shown "$pattern" || return 1
    xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1
}

# Waits up to ten seconds until no window whose title matches the pattern is mapped.
wait_for_window_gone() {
    wait_until 10 "the window titled '$1' to close" window_gone "$1"
}

# How many visible windows have a title matching the pattern.
count_windows() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l
}

process_ended() {
    ! kill -0 "$1" 2>/dev/null
}

# Waits up to ten seconds for a process to end; fails if it does not.
wait_for_exit() {
    wait_until 10 "process $1 to end" process_ended "$1"
}

# Whether a menu is open: a mapped window that bypasses the window manager, as Qt's menus do, and is no tool
# tip. Neither its title nor the window type Qt gives it is reliable: a menu opened again may lose both.
menu_shown() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP && continue
        return 0
    done
    return 1
}

# Gives the main window the keyboard and opens one of its menus with the key given (alt+f for File).
open_menu() {
    local main=$1 keys=$2
    xdotool windowfocus --sync "$main" key "$keys"
    wait_until 10 "the menu of $keys to open" menu_shown
}

# Opens File > Color History... from the keyboard and prints the history window's id. The menu opens with its
# first item active, and the mnemonic H, which another item shares, moves to the next item that has it.
open_history_window() {
    open_menu "$1" alt+f || return 1
    xdotool key h Return
    wait_for_window '^Color History$'
}

# Whether the settings file holds the value for the key.
setting_is() {
    [ "$(setting "$1" "$2")" = "$3" ]
}

# Waits up to ten seconds for the settings file to hold the value for the key.
wait_for_setting() {
    wait_until 10 "[$1] $2=$3 in the settings file" setting_is "$@"
}

# The target's red (kTargetRed): nothing else in the window is drawn in it.
target_red=CC0000

# Finds the target in a screenshot: sets target_x, target_y, target_width and target_height to the bounds of its
# red. Fails when the screenshot has none of it.
find_target() {
    local bounds rest
    bounds=$(convert "$1" -fill black +opaque "#$target_red" -fill white -opaque "#$target_red" -format '%@' info: \
        2>/dev/null) || return 1
    target_width=${bounds%%x*}
    rest=${bounds#*x}
    target_height=${rest%%+*}
    rest=${rest#*+}
    target_x=${rest%%+*}
    target_y=${rest#*+}
    [ -n "$target_width" ] && [ "$target_width" -gt 0 ]
}

# Whether the X server shows the target as the pointer: its image holds the target's red.
pointer_is_target() {
    "${TW_CURSOR_PROBE:?the path of cursor_probe}" "$target_red" >/dev/null
}
pointer_is_not_target() {
    ! pointer_is_target
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
