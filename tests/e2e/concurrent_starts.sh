#!/usr/bin/env bash
# Many starts at the same moment, each with its own colour file: one window results, the other starts hand their
# paths over and end, and the running copy gets every path byte for byte (spaces, quotes, a line break,
# non-ASCII letters, a path of some 4 KiB). A start killed in the middle of its claim holds up the next one no
# longer than the claim lock's stale time.
# TW_CONCURRENT_STARTS sets how many starts there are (10, at least 5).
set -euo pipefail
program=$1
source "$(dirname "$0")/common.bash"
make_home $'[Main]\nblnCodesTip=True\n'
end_processes_on_exit
starts=${TW_CONCURRENT_STARTS:-10}
[ "$starts" -ge 5 ] || { echo "TW_CONCURRENT_STARTS must be at least 5" >&2; exit 2; }
# Each copy says which file it opens, percent-encoded; the running copy says it for every hand-over.
export QT_LOGGING_RULES="tw.files.debug=true"
opening='opening the file named on the command line: '

# The path as the program logs it: bytes outside A-Z a-z 0-9 - . _ ~ / as %HH.
percent_encode() {
    local hex char out=""
    for hex in $(printf '%s' "$1" | od -An -tx1 -v); do
        case $hex in
        3[0-9] | 4[1-9a-f] | 5[0-9a] | 6[1-9a-f] | 7[0-9a] | 2d | 2e | 5f | 7e | 2f)
            printf -v char "\\x$hex"
            out+=$char
            ;;
        *) out+=%${hex^^} ;;
        esac
    done
    printf '%s' "$out"
}

files=$home/files
mkdir -p "$files"
paths=("$files/with space.tcpc" "$files/quote\" and 'single'.tcpc" "$files/line"$'\n'"break.tcpc"
    "$files/café ünï 色.tcpc")
# Some 4 KiB: no single name may pass 255 bytes, so the length is in nested folders.
long=$files
while [ $((${#long} + 101)) -le 3850 ]; do
    long+=/$(printf 'd%.0s' {1..100})
done
mkdir -p "$long"
long+=/$(printf 'n%.0s' $(seq $((3994 - ${#long} - 6))))
paths+=("$long.tcpc")
while [ ${#paths[@]} -lt "$starts" ]; do
    paths+=("$files/plain ${#paths[@]}.tcpc")
done
long_bytes=$(printf '%s' "${paths[4]}" | wc -c)
[ "$long_bytes" -gt 3900 ] && [ "$long_bytes" -lt 4096 ] || { echo "the long path has $long_bytes bytes" >&2; exit 1; }
for i in "${!paths[@]}"; do
    encode "1$((i + 1))" >"${paths[i]}" # Color #1: a different red for each
done
expected=$(for path in "${paths[@]}"; do percent_encode "$path"; echo; done | sort)

# All at once.
begin=$(date +%s%N)
for i in "${!paths[@]}"; do
    "$program" "${paths[i]}" 2>"$home/log-$i" &
    pids+=($!)
done
# Every start but one hands over and ends with status 0; the one left runs the window.
running=()
ended_but_one() {
    running=()
    local pid
    for pid in "${pids[@]}"; do
        kill -0 "$pid" 2>/dev/null && running+=("$pid")
    done
    [ ${#running[@]} -le 1 ]
}
wait_until 60 "all starts but one to end" ended_but_one
[ ${#running[@]} -eq 1 ] || { echo "no copy of the program runs" >&2; exit 1; }
window=-1
for i in "${!pids[@]}"; do
    if [ "${pids[i]}" = "${running[0]}" ]; then
        window=$i
        continue
    fi
    status=0
    wait "${pids[i]}" || status=$?
    [ "$status" -eq 0 ] || { echo "start $i ended with status $status:" >&2; cat "$home/log-$i" >&2; exit 1; }
done
wait_for_window '^Tintwise Color Picker' 30 >/dev/null
all_opened() { [ "$(grep -c "$opening" "$home/log-$window")" -ge "$starts" ]; }
wait_until 30 "the running copy to open all $starts files" all_opened
elapsed_ms=$((($(date +%s%N) - begin) / 1000000))
arrived=$(grep "$opening" "$home/log-$window" | sed "s/.*$opening//" | sort)
if [ "$arrived" != "$expected" ]; then
    echo "the paths that arrived differ from those given:" >&2
    diff <(echo "$expected") <(echo "$arrived") >&2 || true
    exit 1
fi
[ "$(count_windows '^Tintwise Color Picker')" -eq 1 ] || { echo "more than one window" >&2; exit 1; }
echo "$starts starts at once: one window, every path arrived exactly, in ${elapsed_ms} ms"

# A later start killed in the middle of its claim: at random moments early in its life, so the kill finds it
# before, during or after taking the claim lock. The next start still hands over, held up at most by the
# lock's stale time (2.5 s) when the kill left the lock empty.
stale_ms=2500
hand_over_ms() {
    local before status
    before=$(date +%s%N)
    status=0
    timeout 15 "$program" "${paths[0]}" 2>/dev/null || status=$?
    [ "$status" -eq 0 ] || { echo "a start after a killed one ended with status $status" >&2; return 1; }
    echo $((($(date +%s%N) - before) / 1000000))
}
baseline=$(hand_over_ms)
slowest=0
for delay in 0 0.005 0.01 0.02 0.04; do
    "$program" "${paths[1]}" 2>/dev/null &
    victim=$!
    sleep "$delay"
    kill -9 "$victim" 2>/dev/null || true
    wait "$victim" 2>/dev/null || true
    took=$(hand_over_ms)
    [ "$took" -gt "$slowest" ] && slowest=$took
done
# The worst a kill can leave: the lock file made but empty, naming no process.
lock=$XDG_RUNTIME_DIR/tintwise-color-picker-$(id -u)/instance-$(id -u).lock
: >"$lock"
empty_lock=$(hand_over_ms)
[ ! -e "$lock" ] || { echo "the empty lock file was left" >&2; exit 1; }
limit=$((stale_ms + baseline + 1500))
for took in "$slowest" "$empty_lock"; do
    [ "$took" -le "$limit" ] || { echo "a start after a killed one took $took ms (limit $limit ms)" >&2; exit 1; }
done
[ "$(count_windows '^Tintwise Color Picker')" -eq 1 ] || { echo "more than one window after the kills" >&2; exit 1; }
kill -0 "${running[0]}"
echo "after starts killed mid-claim the next hand-over took at most $slowest ms, after an empty lock $empty_lock ms" \
    "(a hand-over alone: $baseline ms)"
