#!/usr/bin/env bash
# Start-up time and peak memory of the real program on a private Xvfb display: the time from
# launching it to the X server mapping its window, and the maximum resident set size that
# /usr/bin/time -v reports, over several runs (after one warm-up run), as medians.
#
#   bench/startup.sh [path/to/pellucor]      RUNS=15 bench/startup.sh
#
# The moment of mapping is taken from the server's MapNotify event (xev on the root window):
# `xdotool search --sync` polls only every half second, too coarse to time with, so it serves
# to confirm that the window mapped is the one titled "Pellucor".
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
app=${1:-"$here/../build/bin/pellucor"}
runs=${RUNS:-9}
settle=${SETTLE:-0.5}   # seconds the window stays up after mapping, so its first paints count

for tool in Xvfb xev xdotool stdbuf /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "startup.sh: $tool is missing (apt-get install xvfb x11-utils xdotool coreutils time)" >&2; exit 2; }
done
[[ -x $app ]] || { echo "startup.sh: no program at $app; build it first" >&2; exit 2; }

work=$(mktemp -d)
xvfb_pid= xev_pid= time_pid=
cleanup() {
    local pid
    for pid in $time_pid $xev_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# -displayfd lets the server pick a free display and say which once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || { echo "startup.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

mkfifo "$work/events"
stdbuf -oL xev -root -event substructure >"$work/events" 2>/dev/null &
xev_pid=$!
exec 4<"$work/events"

# One launch: prints "<milliseconds to map> <peak RSS in KiB>".
launch() {
    local line started mapped=
    while read -r -t 0.05 -u 4 line; do :; done   # events of the previous run
    started=$EPOCHREALTIME
    /usr/bin/time -v -o "$work/time" "$app" 2>"$work/app.log" &
    time_pid=$!
    # The program maps one top-level window, the only one on this display.
    while read -r -t 10 -u 4 line; do
        if [[ $line == "MapNotify event"* ]]; then
            mapped=$EPOCHREALTIME
            break
        fi
    done
    [[ -n $mapped ]] || { echo "startup.sh: no window mapped" >&2; cat "$work/app.log" >&2; exit 1; }
    timeout 10 xdotool search --sync --onlyvisible --name '^Pellucor$' >/dev/null ||
        { echo "startup.sh: the window mapped is not Pellucor's" >&2; exit 1; }
    sleep "$settle"
    local app_pid
    app_pid=$(pgrep -P "$time_pid" || true)
    [[ -n $app_pid ]] && kill "$app_pid"
    wait "$time_pid" 2>/dev/null || true
    time_pid=
    local rss
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time")
    awk -v a="${started/./}" -v b="${mapped/./}" -v r="$rss" 'BEGIN { printf "%.1f %d\n", (b - a) / 1000, r }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

launch >/dev/null   # warm-up: shared libraries and fonts into the page cache
: >"$work/results"
for i in $(seq "$runs"); do
    launch >"$work/run"   # not in a pipeline: the trap must see the program's pid
    cat "$work/run" >>"$work/results"
    awk -v i="$i" '{ printf "run %2d: mapped after %7.1f ms, peak RSS %6.1f MB\n", i, $1, $2 / 1024 }' "$work/run"
done

startup=$(cut -d' ' -f1 "$work/results" | median)
rss=$(cut -d' ' -f2 "$work/results" | median)
echo "median over $runs runs: start-up to mapped window $startup ms, peak RSS $(awk -v r="$rss" 'BEGIN { printf "%.1f", r / 1024 }') MB"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
