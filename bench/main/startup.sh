#!/usr/bin/env bash
# Start-up of the calendar against a bare Qt Widgets window, both under one Xvfb: the time
# from launching the process to its first painted window, and its resident memory then.
# Prints the median of several runs of each and the ratios. A third program, the bare window
# with one line in each of the calendar's fonts, shows how much of the difference is the
# Chinese fonts alone.
set -euo pipefail
build_dir=${1:-build}
runs=${2:-9}
if [ -z "${STARTUP_UNDER_XVFB:-}" ]; then
    STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build_dir" "$runs"
fi
export QT_QPA_PLATFORM=xcb
data_home=$(mktemp -d)
trap 'rm -rf "$data_home"' EXIT
export XDG_DATA_HOME=$data_home

# One run: prints "<milliseconds to first paint> <resident kB>".
measure() {
    local out start paint pid rss
    out=$(mktemp)
    start=$(date +%s%N)
    "$@" >"$out" &
    pid=$!
    while [ ! -s "$out" ]; do sleep 0.005; done
    paint=$(head -n1 "$out")
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    wait "$pid"
    rm -f "$out"
    echo "$(((paint - start) / 1000000)) $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

report() {
    local name=$1 times=() mems=()
    shift
    "$@" >/dev/null # warm the file cache
    for _ in $(seq "$runs"); do
        read -r t m < <(measure "$@")
        times+=("$t")
        mems+=("$m")
    done
    local t m
    t=$(printf '%s\n' "${times[@]}" | median)
    m=$(printf '%s\n' "${mems[@]}" | median)
    printf '%-10s first paint %5d ms   resident %7d kB\n' "$name" "$t" "$m" >&2
    echo "$t $m"
}

read -r bare_t bare_m < <(report bare "$build_dir/bench/main/startup_bare")
read -r fonts_t fonts_m < <(report bare+fonts "$build_dir/bench/main/startup_bare" fonts)
read -r cal_t cal_m < <(report calendar "$build_dir/bench/main/startup_calendar")
awk -v bt="$bare_t" -v bm="$bare_m" -v ft="$fonts_t" -v fm="$fonts_m" -v ct="$cal_t" \
    -v cm="$cal_m" 'BEGIN {
    printf "calendar / bare:       time %.2f, memory %.2f (goal at most 1.30 each)\n", ct / bt, cm / bm
    printf "calendar / bare+fonts: time %.2f, memory %.2f\n", ct / ft, cm / fm }'
