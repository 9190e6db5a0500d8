#!/usr/bin/env bash
# Start-up time and peak memory of the real program against the floor, an empty Qt window of
# the same size (bench/floor_window.cpp), launched alternately on one private Xvfb display:
# medians of each and the two ratios.
#
#   bench/startup.sh [path/to/pellucor]      RUNS=15 bench/startup.sh
#
# Time is measured from launch to the window fully drawn: the last drawing into the program's
# top-level window within SETTLE seconds of its mapping, as the X Damage extension reports it
# (bench/paint_watch.cpp). The time to the mapping itself is printed too. Peak memory is the
# maximum resident set size from /usr/bin/time -v. Both helper programs are built here, from
# the files beside this script.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
app=${1:-"$here/../build/bin/pellucor"}
runs=${RUNS:-9}
settle=${SETTLE:-0.5}   # seconds the window stays up after mapping, so its first paints count
cxx=${CXX:-c++}
settle_us=$(awk -v s="$settle" 'BEGIN { printf "%d", s * 1e6 }')

for tool in Xvfb xdotool pkg-config "$cxx" /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "startup.sh: $tool is missing (scripts/install-deps.sh test)" >&2; exit 2; }
done
[[ -x $app ]] || { echo "startup.sh: no program at $app; build it first" >&2; exit 2; }

work=$(mktemp -d)
xvfb_pid='' watch_pid='' time_pid=''
cleanup() {
    local pid
    for pid in $time_pid $watch_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# shellcheck disable=SC2046 # pkg-config's flags are meant to split
"$cxx" -std=c++20 -O2 -fPIC "$here/floor_window.cpp" -o "$work/floor_window" $(pkg-config --cflags --libs Qt6Widgets) ||
    { echo "startup.sh: cannot build the empty window (qt6-base-dev)" >&2; exit 2; }
# shellcheck disable=SC2046
"$cxx" -std=c++20 -O2 "$here/paint_watch.cpp" -o "$work/paint_watch" $(pkg-config --cflags --libs xcb xcb-damage) ||
    { echo "startup.sh: cannot build the paint watcher (libxcb-damage0-dev)" >&2; exit 2; }

# -displayfd lets the server pick a free display and say which once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || { echo "startup.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_SCALE_FACTOR
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

mkfifo "$work/events"
"$work/paint_watch" >"$work/events" &
watch_pid=$!
exec 4<"$work/events"
if ! read -r -t 10 -u 4 line || [[ $line != ready* ]]; then
    echo "startup.sh: the paint watcher did not start" >&2
    exit 1
fi

us() { local t=$1; echo "${t/./}"; }   # $EPOCHREALTIME in microseconds

# One launch of program $1 whose window is titled $2: prints "<ms to map> <ms to fully drawn>
# <peak RSS in KiB>".
launch() {
    local program=$1 title=$2 kind window when started mapped='' painted='' deadline
    while read -r -t 0.05 -u 4 kind window when; do :; done   # events of the previous run
    started=$(us "$EPOCHREALTIME")
    /usr/bin/time -v -o "$work/time" "$program" 2>"$work/app.log" &
    time_pid=$!
    # The program maps one top-level window, the only one on this display.
    while read -r -t 10 -u 4 kind window when; do
        [[ $kind == map ]] && { mapped=$when; break; }
    done
    [[ -n $mapped ]] || { echo "startup.sh: no window mapped" >&2; cat "$work/app.log" >&2; exit 1; }
    local mapped_window=$window
    painted=$mapped
    deadline=$((mapped + settle_us))
    while :; do
        local left=$((deadline - $(us "$EPOCHREALTIME")))
        ((left > 0)) || break
        read -r -t "$(awk -v l="$left" 'BEGIN { printf "%.3f", l / 1e6 }')" -u 4 kind window when || continue
        [[ $kind == paint && $window == "$mapped_window" ]] && painted=$when
    done
    xdotool search --onlyvisible --name "^$title\$" >/dev/null ||
        { echo "startup.sh: the window mapped is not titled $title" >&2; exit 1; }
    local app_pid
    app_pid=$(pgrep -P "$time_pid" || true)
    [[ -n $app_pid ]] && kill "$app_pid"
    wait "$time_pid" 2>/dev/null || true
    time_pid=
    local rss
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time")
    awk -v a="$started" -v m="$mapped" -v p="$painted" -v r="$rss" \
        'BEGIN { printf "%.1f %.1f %d\n", (m - a) / 1000, (p - a) / 1000, r }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Warm-up: shared libraries and fonts into the page cache.
launch "$work/floor_window" "Empty window" >/dev/null
launch "$app" Pellucor >/dev/null
: >"$work/floor"
: >"$work/app"
for i in $(seq "$runs"); do
    for who in floor app; do
        if [[ $who == floor ]]; then
            launch "$work/floor_window" "Empty window" >"$work/run"   # not in a pipeline: the trap must see the pid
        else
            launch "$app" Pellucor >"$work/run"
        fi
        cat "$work/run" >>"$work/$who"
        awk -v i="$i" -v w="$who" '{ printf "run %2d %-5s: mapped after %6.1f ms, drawn after %6.1f ms, peak RSS %5.1f MB\n", i, w, $1, $2, $3 / 1024 }' "$work/run"
    done
done

for who in floor app; do
    declare "${who}_map=$(cut -d' ' -f1 "$work/$who" | median)"
    declare "${who}_drawn=$(cut -d' ' -f2 "$work/$who" | median)"
    declare "${who}_rss=$(cut -d' ' -f3 "$work/$who" | median)"
done
# shellcheck disable=SC2154 # declared above
awk -v runs="$runs" -v fm="$floor_map" -v fd="$floor_drawn" -v fr="$floor_rss" \
    -v am="$app_map" -v ad="$app_drawn" -v ar="$app_rss" 'BEGIN {
    printf "medians over %d alternating runs each:\n", runs
    printf "  empty window: mapped %6.1f ms, drawn %6.1f ms, peak RSS %5.1f MB\n", fm, fd, fr / 1024
    printf "  Pellucor:     mapped %6.1f ms, drawn %6.1f ms, peak RSS %5.1f MB\n", am, ad, ar / 1024
    printf "ratios Pellucor / empty window: time to drawn window %.2f, peak RSS %.2f (mapped only: %.2f)\n", ad / fd, ar / fr, am / fm
}'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
