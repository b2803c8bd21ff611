#!/usr/bin/env bash
# The long run: the event storm with 10,000,000 events (in runs of 10,000, each from its own seed) under
# ASan and UBSan, split over the processors. Not part of the test command, which sends 200,000.
#
#   scripts/soak.sh [events] [first seed]
#
# A failure prints the run's seed and the event that broke the lens (for a sanitizer's report, the events
# before it); the line after "replay:" repeats it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$PIXO_ROOT"
events="${1:-10000000}"
first_seed="${2:-1000}"
jobs="$(nproc)"

cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j "$jobs"
# The storm lives in one of the per-folder test binaries; whichever holds it runs it.
storm=""
for binary in build/native-asan/tests/*/pixo_*_tests; do
    if "$binary" --gtest_list_tests --gtest_filter='EventStorm.*' | grep -q '^  '; then
        storm="$binary"
        break
    fi
done
[ -n "$storm" ] || { echo "no test binary holds the EventStorm tests" >&2; exit 1; }

# The events go in chunks of 100,000 (ten runs of 10,000 with consecutive seeds); the processes take turns
# at the chunks, so a soak stopped early still says how far it got (build/soak-storm.log).
chunk=100000
chunks=$(( (events + chunk - 1) / chunk ))
log=build/soak-storm.log
: >"$log"
start=$(date +%s)
soak_worker() {
    local worker=$1 c seed
    for ((c = worker; c < chunks; c += jobs)); do
        seed=$((first_seed + c * 10))
        if ! PIXO_STORM_SEED=$seed PIXO_STORM_EVENTS=$chunk \
            "$storm" --gtest_filter='EventStorm.*' >"build/soak-storm-$worker.out" 2>&1; then
            cat "build/soak-storm-$worker.out"
            # A sanitizer ends the process before the test can say where it was: run the chunk again with
            # every event printed, and show the ones before the report.
            echo "seeds $seed..$((seed + 9)) failed; the chunk again, with the events before the report:"
            PIXO_STORM_TRACE=1 PIXO_STORM_SEED=$seed PIXO_STORM_EVENTS=$chunk \
                "$storm" --gtest_filter='EventStorm.*' 2>&1 | tail -n 30
            echo "replay: PIXO_STORM_TRACE=1 PIXO_STORM_SEED=$seed PIXO_STORM_EVENTS=$chunk" \
                "$storm --gtest_filter='EventStorm.*'"
            return 1
        fi
        echo "seeds $seed..$((seed + 9)): $(grep -o '[0-9]* events.*' "build/soak-storm-$worker.out")" >>"$log"
    done
}
pids=()
for ((i = 0; i < jobs; ++i)); do
    soak_worker "$i" &
    pids+=($!)
done
failed=0
for pid in "${pids[@]}"; do
    wait "$pid" || failed=1
done
echo "event storm: $(( $(wc -l <"$log") * chunk )) events in $(( $(date +%s) - start )) s (per chunk: $log)"
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
