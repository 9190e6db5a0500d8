#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# Start-up time and peak memory of the real program against two floors, launched alternately
# on one private Xvfb display: an empty Qt window of the same size (bench/floor_window.cpp),
# and the plain form (bench/plain_form.cpp), the same designed form with nothing of the
# program's own. Prints the medians of each and the ratios to both floors.
#
#   bench/startup.sh [path/to/pellucor]      RUNS=15 bench/startup.sh
#   LANGS="en de ar" bench/startup.sh        the program also in these interface languages
#
# Time is measured from launch to the window fully drawn: the last drawing into the program's
# top-level window within SETTLE seconds of its mapping, as the X Damage extension reports it
# (bench/paint_watch.cpp). The time to the mapping itself is printed too. Peak memory is the
# maximum resident set size from /usr/bin/time -v. The helper programs are built here, from
# the files beside this script and app/frmMain.ui.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
app=${1:-"$here/../build/bin/pellucor"}
runs=${RUNS:-9}
settle=${SETTLE:-0.5}   # seconds the window stays up after mapping, so its first paints count
cxx=${CXX:-c++}
settle_us=$(awk -v s="$settle" 'BEGIN { printf "%d", s * 1e6 }')

uic=$(pkg-config --variable=libexecdir Qt6Core 2>/dev/null)/uic
for tool in Xvfb xdotool pkg-config "$cxx" /usr/bin/time "$uic"; do
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
# The form's two promoted classes, as their plain Qt bases.
cat >"$work/AccessibleParts.h" <<'EOF'
#pragma once
#include <QFrame>
#include <QGroupBox>
class FrameGroup : public QGroupBox { public: using QGroupBox::QGroupBox; };
class Rule : public QFrame { public: using QFrame::QFrame; };
EOF
"$uic" "$here/../app/frmMain.ui" -o "$work/ui_frmMain.h" || { echo "startup.sh: uic failed on app/frmMain.ui" >&2; exit 2; }
# shellcheck disable=SC2046
"$cxx" -std=c++20 -O2 -fPIC -I"$work" "$here/plain_form.cpp" -o "$work/plain_form" $(pkg-config --cflags --libs Qt6Widgets) ||
    { echo "startup.sh: cannot build the plain form" >&2; exit 2; }
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

names=(empty plain app)
declare -A program=([empty]="$work/floor_window" [plain]="$work/plain_form" [app]="$app")
declare -A title=([empty]="Empty window" [plain]="Plain form" [app]=Pellucor)
# Each language through a wrapper that execs the program, so that the rounds alternate them.
for lang in ${LANGS:-}; do
    printf '#!/bin/sh\nLANGUAGE=%s exec "%s" "$@"\n' "$lang" "$app" >"$work/launch-$lang"
    chmod +x "$work/launch-$lang"
    names+=("app-$lang")
    program[app-$lang]="$work/launch-$lang"
    title[app-$lang]=Pellucor
done

# Warm-up: shared libraries and fonts into the page cache.
for who in "${names[@]}"; do
    launch "${program[$who]}" "${title[$who]}" >/dev/null
    : >"$work/$who"
done
for i in $(seq "$runs"); do
    for who in "${names[@]}"; do
        launch "${program[$who]}" "${title[$who]}" >"$work/run"   # not in a pipeline: the trap must see the pid
        cat "$work/run" >>"$work/$who"
        awk -v i="$i" -v w="$who" '{ printf "run %2d %-5s: mapped after %6.1f ms, drawn after %6.1f ms, peak RSS %5.1f MB\n", i, w, $1, $2, $3 / 1024 }' "$work/run"
    done
done

declare -A mapped drawn rss
for who in "${names[@]}"; do
    mapped[$who]=$(cut -d' ' -f1 "$work/$who" | median)
    drawn[$who]=$(cut -d' ' -f2 "$work/$who" | median)
    rss[$who]=$(cut -d' ' -f3 "$work/$who" | median)
done
echo "medians over $runs alternating rounds:"
printf '  %-13s %9s %9s %10s   %-17s %-17s\n' '' mapped drawn 'peak RSS' 'to empty window' 'to plain form'
for who in "${names[@]}"; do
    label=${title[$who]}
    [[ $who == app-* ]] && label="Pellucor ${who#app-}"
    awk -v name="$label" -v m="${mapped[$who]}" -v d="${drawn[$who]}" -v r="${rss[$who]}" \
        -v ed="${drawn[empty]}" -v er="${rss[empty]}" -v pd="${drawn[plain]}" -v pr="${rss[plain]}" 'BEGIN {
        printf "  %-13s %6.1f ms %6.1f ms %7.1f MB   time %.2f RSS %.2f  time %.2f RSS %.2f\n",
            name ":", m, d, r / 1024, d / ed, r / er, d / pd, r / pr
    }'
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
