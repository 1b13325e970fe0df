#!/usr/bin/env bash
# Builds a Release build in build/bench and measures the program against a bare Qt window: the
# start as a whole process (time to the first window, peak memory, instruction counts), memory
# once the voice's engine is made, memory after every screen and picture, the first opening of each
# screen in a fresh program, and the in-process benchmarks. Runs take turns and medians are
# compared, as the machine may be busy.
# RUNS sets the number of runs of each process (11 unless given).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh libbenchmark-dev libx11-dev xvfb x11-utils valgrind
runs=${RUNS:-11}
build=build/bench

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DMARZUN_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target marzun bare_window startup tour bench_screens

# An X server of its own, on the first free display from :106 on.
display=106
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
# A speech service of its own (tests/speechd), as a desktop has one, so that the program's voice is
# made as it is for a child, and no service is started for the user.
speech=$(mktemp -d)
speech-dispatcher -s -t 0 -S "$speech/socket" -C tests/speechd -P "$speech/pid" -L "$speech" >/dev/null 2>&1 &
service=$!
trap 'kill "$xvfb" "$service"; rm -r "$speech"' EXIT
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb SPEECHD_ADDRESS="unix_socket:$speech/socket"
until xdpyinfo >/dev/null 2>&1 && [[ -S $speech/socket ]]; do sleep 0.1; done

program=$build/app/marzun
bare=$build/bench/bare_window

echo "== Machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
    "$(awk '/MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo), load $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== Start: fork to first window mapped"
"$build/bench/startup" --runs "$runs" marzun="$program" bare="$bare"

echo "== Memory once the voice's engine is made (5 s after the window)"
"$build/bench/startup" --runs 3 --settle 5000 marzun="$program" bare="$bare" | sed -n '2,4p'

echo "== Start: instructions to the first window painted (callgrind)"
profiles=$(mktemp -d)
"$build/bench/startup" --runs 1 --settle 3000 --timeout 120000 \
    marzun="valgrind --tool=callgrind --callgrind-out-file=$profiles/marzun $program" \
    bare="valgrind --tool=callgrind --callgrind-out-file=$profiles/bare $bare" >/dev/null
for name in marzun bare; do
    echo "$name: $(grep '^totals:' "$profiles/$name" | cut -d' ' -f2) instructions"
done
echo "pictures drawn at start:"
callgrind_annotate --inclusive=yes "$profiles/marzun" 2>/dev/null | grep -E '\?\?\?:ui::(render|toIcon|toCursor)\(' |
    sed -E 's/^ *([0-9,]+).*\?\?\?:(ui::[A-Za-z]+)\(.*/  \2: \1 instructions/'
rm -r "$profiles"

echo "== Memory after every screen opened and every picture shown"
"$build/bench/tour" 2>/dev/null

echo "== First opening of each screen in a fresh program (ms, medians of $runs)"
median() { sort -g | sed -n "$(((runs + 1) / 2))p"; }
printf '%-8s %10s %10s %7s\n' screen screen bare ratio
for screen in Form1 Form2 Form3 Form4 Form5 Form6; do
    times=$(for ((run = 0; run < runs; ++run)); do "$build/bench/tour" --first "$screen" 2>/dev/null; done)
    opening=$(cut -d' ' -f2 <<<"$times" | median)
    bare_opening=$(cut -d' ' -f3 <<<"$times" | median)
    awk -v s="$screen" -v a="$opening" -v b="$bare_opening" 'BEGIN { printf "%-8s %10.2f %10.2f %7.2f\n", s, a, b, a / b }'
done

echo "== In-process benchmarks"
"$build/bench/bench_screens" --benchmark_min_time=0.05 --benchmark_repetitions="$runs" \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_color=false 2>/dev/null
