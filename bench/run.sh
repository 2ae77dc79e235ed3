#!/usr/bin/env bash
# Start-up benchmark: the program's real start-up against the floor (a bare
# window of the same size and control kinds), run alternately, on the
# offscreen platform and, where Xvfb is installed, on X under Xvfb. Prints the
# medians of wall time and peak memory and the ratios program/floor, then the
# reading benchmark.
#   bash bench/run.sh [rounds]        (default 30 rounds per platform)
# Builds into build-bench/. Uses a throwaway home whose reminder date is
# already stored, so a start asks nothing and stores nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build time xvfb
rounds="${1:-30}"
build=build-bench

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTARQUILL_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target startup_probe floor_probe bench_reading >/dev/null
program="$build/bench/startup_probe"
floor="$build/bench/floor_probe"

source tools/scratch.sh
scratch_home
mkdir -p "$XDG_CONFIG_HOME/Starquill"
settings="$XDG_CONFIG_HOME/Starquill/StarquillFree.conf"
printf '[Settings]\nLastReminderDate=%s\n' "$(date +%Y-%m-%dT%H:%M:%S)" >"$settings"
stored=$(md5sum <"$settings")

# Runs one probe; appends "milliseconds kilobytes" to the given file.
measure() {
    local probe="$1" out="$2" start end
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$scratch/rss" "$probe" >/dev/null 2>"$scratch/err" || {
        echo "$probe failed:" >&2
        cat "$scratch/err" >&2
        exit 1
    }
    end=$(date +%s%N)
    echo "$(((end - start) / 1000)) $(tail -n 1 "$scratch/rss")" >>"$out"
}

median() { # column of a file
    sort -n -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Warms the caches, then alternates program and floor; prints one line.
compare() {
    local platform="$1"
    rm -f "$scratch/program" "$scratch/floor"
    for _ in 1 2 3; do
        measure "$program" /dev/null
        measure "$floor" /dev/null
    done
    for _ in $(seq "$rounds"); do
        measure "$program" "$scratch/program"
        measure "$floor" "$scratch/floor"
    done
    local pt pm ft fm
    pt=$(median "$scratch/program" 1) pm=$(median "$scratch/program" 2)
    ft=$(median "$scratch/floor" 1) fm=$(median "$scratch/floor" 2)
    awk -v p="$platform" -v pt="$pt" -v pm="$pm" -v ft="$ft" -v fm="$fm" 'BEGIN {
        printf "%-10s %9.1f %9.1f %6.3f %10d %10d %6.3f\n",
               p, pt / 1000, ft / 1000, pt / ft, pm, fm, pm / fm }'
}

echo "Medians of $rounds alternate runs each"
printf "%-10s %9s %9s %6s %10s %10s %6s\n" platform "prog ms" "floor ms" ratio \
    "prog KiB" "floor KiB" ratio
QT_QPA_PLATFORM=offscreen compare offscreen
if command -v Xvfb >/dev/null; then
    start_xvfb 1280x1024
    DISPLAY="$xvfb_display" QT_QPA_PLATFORM=xcb compare xvfb
else
    echo "xvfb       (Xvfb is not installed)"
fi

if [ "$(md5sum <"$settings")" != "$stored" ]; then
    echo "The start-up changed the stored settings: the runs did not measure a plain start." >&2
    exit 1
fi

echo
echo "Reading (offscreen)"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_reading" 2>&1 |
    grep -E "QINFO|RESULT|msecs|FAIL|Totals" | grep -v "^QWARN"
