#!/usr/bin/env bash
# The long run: the event storm with 10,000,000 events (in runs of 10,000, each from its own seed) under
# ASan and UBSan, split over the processors. Not part of the test command, which sends 200,000.
#
#   scripts/soak.sh [events] [first seed]
#
# A failure prints the run's seed and the event that broke the lens; the line after "replay:" repeats it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$PIXO_ROOT"
events="${1:-10000000}"
first_seed="${2:-1000}"
jobs="$(nproc)"

cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j "$jobs" --target pixo_unit_tests

# Each process takes its own range of seeds: runs are 10,000 events, so process i starts at seed
# first_seed + i * (its share / 10,000).
share=$(( (events + jobs - 1) / jobs ))
runs=$(( (share + 9999) / 10000 ))
start=$(date +%s)
pids=()
for i in $(seq 0 $((jobs - 1))); do
    PIXO_STORM_SEED=$((first_seed + i * runs)) PIXO_STORM_EVENTS="$share" \
        build/native-asan/tests/pixo_unit_tests --gtest_filter='EventStorm.*' >"build/soak-storm-$i.log" 2>&1 &
    pids+=($!)
done
failed=0
for i in "${!pids[@]}"; do
    if ! wait "${pids[$i]}"; then
        failed=1
        cat "build/soak-storm-$i.log"
    fi
done
echo "event storm: $((share * jobs)) events, seeds $first_seed..$((first_seed + jobs * runs - 1)), $(( $(date +%s) - start )) s"
[ "$failed" -eq 0 ] || exit 1

# The fuzz targets, each for a fixed time, when they are built (cmake --preset fuzz).
if [ -d build/fuzz/fuzz ]; then
    seconds="${PIXO_FUZZ_SECONDS:-300}"
    for target in build/fuzz/fuzz/fuzz_*; do
        name="$(basename "$target")"
        corpus="build/fuzz-corpus/$name"
        mkdir -p "$corpus"
        "$target" -max_total_time="$seconds" "$corpus" "fuzz/corpus/${name#fuzz_}" 2>&1 | tail -n 3
    done
fi
echo "soak passed"
