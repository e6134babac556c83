#!/usr/bin/env bash
# Start-up benchmark, run by hand: time from exec until the main window is
# mapped (median of RUNS runs) and resident memory once the user dialog is
# up, beside a bare Qt Widgets window of the same size measured in the same
# run. Needs Xvfb and xev; uses its own display.
#
#   bash bench/startup.sh [build-dir]      RUNS=10 by default
#
# ONDALIRA_HOME may name another program home (a content pack) to start on.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${RUNS:-10}
app="$build/Ondalira/ondalira"
bare="$build/bench/bench_barewindow"
for f in "$app" "$bare"; do
    [ -x "$f" ] || { echo "missing $f: build first" >&2; exit 1; }
done

work=$(mktemp -d)
cleanup() {
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
export QT_LOGGING_RULES='qt.multimedia.*=false'
export XDG_RUNTIME_DIR="$work/runtime"

# Prints "<ms to first map> <ms to second map or -> <RSS kB at the second map, or at the first>".
measure() {
    local program=$1 wantMaps=$2 log="$work/events"
    : >"$log"
    # xev reports every top-level window mapped on the display.
    (exec stdbuf -oL xev -root -event substructure) 2>/dev/null > >(
        while IFS= read -r line; do
            [[ $line == MapNotify* ]] && echo "$EPOCHREALTIME" >>"$log"
        done) &
    local watcher=$!
    sleep 0.3
    local start=$EPOCHREALTIME
    "$program" >/dev/null 2>&1 &
    local pid=$!
    local deadline=$((SECONDS + 60))
    while [ "$(wc -l <"$log")" -lt "$wantMaps" ] && [ $SECONDS -lt $deadline ]; do sleep 0.05; done
    sleep 0.2
    local rss
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    kill "$watcher" 2>/dev/null || true
    wait "$watcher" 2>/dev/null || true
    local first second
    first=$(sed -n 1p "$log"); second=$(sed -n 2p "$log")
    awk -v s="$start" -v a="${first:-0}" -v b="${second:-}" -v r="$rss" 'BEGIN {
        printf "%.1f %s %d\n", (a - s) * 1000, (b == "" ? "-" : sprintf("%.1f", (b - s) * 1000)), r }'
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2)}'; }

for program in bare app; do
    : >"$work/$program"
    for _ in $(seq "$runs"); do
        if [ $program = bare ]; then measure "$bare" 1; else measure "$app" 2; fi >>"$work/$program"
    done
done

echo "runs: $runs, display $DISPLAY, Qt media backend ${QT_MEDIA_BACKEND:-ffmpeg (program default)}"
printf '%-28s %12s %14s %12s\n' "" "map (ms)" "dialog (ms)" "RSS (MB)"
for program in bare app; do
    label=$([ $program = bare ] && echo "bare Qt window 1024x600" || echo "Ondalira")
    mapped=$(cut -d' ' -f1 "$work/$program" | median)
    dialog=$(cut -d' ' -f2 "$work/$program" | grep -v -- - | median || true)
    [ $program = bare ] && dialog=-
    rss=$(cut -d' ' -f3 "$work/$program" | median)
    printf '%-28s %12s %14s %12.1f\n' "$label" "$mapped" "${dialog:--}" "$(awk -v r="$rss" 'BEGIN {print r / 1024}')"
done
