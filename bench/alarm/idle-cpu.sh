#!/usr/bin/env bash
# The program's CPU use while it idles with reminders on and ten years of notes: starts the
# calendar headless with its own data folder for a while (60 s unless given) and prints the
# share of one core that it used.
set -euo pipefail
build_dir=${1:-build}
seconds=${2:-60}
data_home=$(mktemp -d)
trap 'rm -rf "$data_home"' EXIT
export XDG_DATA_HOME=$data_home
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$build_dir/bench/alarm/bench_alarm" --write-notes
"$build_dir/main/ruxa-calendar" &
pid=$!
sleep 5
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
start=$(ticks)
sleep "$seconds"
end=$(ticks)
kill "$pid"
wait "$pid" 2>/dev/null || true
hz=$(getconf CLK_TCK)
awk -v used=$((end - start)) -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "CPU used idle with reminders on: %.3f %% of one core over %d s\n", 100 * used / hz / s, s }'
