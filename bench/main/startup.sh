#!/usr/bin/env bash
# Start-up of the real calendar against a bare Qt Widgets window of the same size and name
# that shows one line in each of the calendar's three font roles, all under one Xvfb without
# a window manager: the time from the start of the process to the X server's map of the
# window named 万年历, and the resident memory once it has painted. Prints the median of
# several runs of each and the ratios. A plain bare window without the lines shows how much
# the Chinese fonts alone cost. Resident memory is also split into the private part and the
# part that maps files (libraries, fonts).
set -euo pipefail
build_dir=${1:-build}
runs=${2:-15}
if [ -z "${STARTUP_UNDER_XVFB:-}" ]; then
    STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build_dir" "$runs"
fi
export QT_QPA_PLATFORM=xcb
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME=$scratch/data
mkdir -p "$XDG_DATA_HOME"
map_time=$build_dir/bench/main/startup_map_time
settle_ms=400

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Prints "<median ms> <median resident kB> <median private kB>" and a line on stderr.
report() {
    local name=$1 times=() mems=() anons=() t m a
    shift
    for run in warm $(seq "$runs"); do
        # A runtime folder of its own each time, so that no run finds another one running.
        export XDG_RUNTIME_DIR=$scratch/runtime-$name-$run
        mkdir -m 700 -p "$XDG_RUNTIME_DIR"
        read -r t m a < <("$map_time" 万年历 "$settle_ms" "$@")
        # The first run only fills the file cache.
        [ "$run" = warm ] && continue
        times+=("$t")
        mems+=("$m")
        anons+=("$a")
    done
    t=$(printf '%s\n' "${times[@]}" | median)
    m=$(printf '%s\n' "${mems[@]}" | median)
    a=$(printf '%s\n' "${anons[@]}" | median)
    printf '%-10s mapped after %4d ms   resident %7d kB   private %7d kB\n' "$name" "$t" "$m" \
        "$a" >&2
    echo "$t $m $a"
}

read -r bare_t bare_m bare_a < <(report bare "$build_dir/bench/main/startup_bare")
read -r fonts_t fonts_m fonts_a < <(report bare+fonts "$build_dir/bench/main/startup_bare" fonts)
read -r cal_t cal_m cal_a < <(report calendar "$build_dir/main/ruxa-calendar")
awk -v bt="$bare_t" -v bm="$bare_m" -v ba="$bare_a" -v ft="$fonts_t" -v fm="$fonts_m" \
    -v fa="$fonts_a" -v ct="$cal_t" -v cm="$cal_m" -v ca="$cal_a" 'BEGIN {
    printf "calendar / bare+fonts: time %.2f (goal at most 1.30), memory %.2f (goal at most 1.15), private %.2f\n",
        ct / ft, cm / fm, ca / fa
    printf "calendar / bare:       time %.2f, memory %.2f, private %.2f\n", ct / bt, cm / bm, ca / ba }'
