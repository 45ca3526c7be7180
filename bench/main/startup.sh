#!/usr/bin/env bash
# Start-up of the calendar against a bare Qt Widgets window, both under one Xvfb: the time
# from launching the process to its first painted window, and its resident memory then.
# Prints the median of several runs of each and the ratios. A third program, the bare window
# with one line in each of the calendar's fonts, shows how much of the difference is the
# Chinese fonts alone. Resident memory is also split into the private part and the part that
# maps files (libraries, fonts): the kernel maps the pages around each one read from a mapped
# file, so a large font file read in a few dozen places adds megabytes of shared pages.
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

# One run: prints "<milliseconds to first paint> <resident kB> <private resident kB>".
measure() {
    local out start paint pid rss anon
    out=$(mktemp)
    start=$(date +%s%N)
    "$@" >"$out" &
    pid=$!
    while [ ! -s "$out" ]; do sleep 0.005; done
    paint=$(head -n1 "$out")
    read -r rss anon < <(awk '/^VmRSS:/ { r = $2 } /^RssAnon:/ { a = $2 } END { print r, a }' \
        "/proc/$pid/status")
    wait "$pid"
    rm -f "$out"
    echo "$(((paint - start) / 1000000)) $rss $anon"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

report() {
    local name=$1 times=() mems=() anons=()
    shift
    "$@" >/dev/null # warm the file cache
    for _ in $(seq "$runs"); do
        read -r t m a < <(measure "$@")
        times+=("$t")
        mems+=("$m")
        anons+=("$a")
    done
    local t m a
    t=$(printf '%s\n' "${times[@]}" | median)
    m=$(printf '%s\n' "${mems[@]}" | median)
    a=$(printf '%s\n' "${anons[@]}" | median)
    printf '%-10s first paint %5d ms   resident %7d kB   private %7d kB\n' "$name" "$t" "$m" "$a" >&2
    echo "$t $m $a"
}

read -r bare_t bare_m bare_a < <(report bare "$build_dir/bench/main/startup_bare")
read -r fonts_t fonts_m fonts_a < <(report bare+fonts "$build_dir/bench/main/startup_bare" fonts)
read -r cal_t cal_m cal_a < <(report calendar "$build_dir/bench/main/startup_calendar")
awk -v bt="$bare_t" -v bm="$bare_m" -v ba="$bare_a" -v ft="$fonts_t" -v fm="$fonts_m" \
    -v fa="$fonts_a" -v ct="$cal_t" -v cm="$cal_m" -v ca="$cal_a" 'BEGIN {
    printf "calendar / bare:       time %.2f, memory %.2f (goal at most 1.30 each), private %.2f\n",
        ct / bt, cm / bm, ca / ba
    printf "calendar / bare+fonts: time %.2f, memory %.2f, private %.2f\n", ct / ft, cm / fm, ca / fa }'
