#!/usr/bin/env bash
# Runs the benchmarks (release build, native preset) and, in the same minutes, their peers: Pillow's resize
# in-process and dd. Prints every figure with its target and the ratios (docs/performance.md tells how to read
# them). PIXO_BENCH_ROUNDS (default 3) rounds alternate pixo_bench and the peers; the figures are medians.
# Extra arguments go to pixo_bench, e.g. --benchmark_filter=Smooth.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$PIXO_ROOT"
pixo_packages+=(python3-pil)
pixo_ensure_packages
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)" --target pixo_bench >/dev/null

out="$PIXO_ROOT/build/native/bench-results"
rm -rf "$out"
mkdir -p "$out"
rounds="${PIXO_BENCH_ROUNDS:-3}"
# Debian's interpreter, which python3-pil serves, whatever else is first on the PATH.
python=/usr/bin/python3
for round in $(seq 1 "$rounds"); do
    echo "== round $round of $rounds" >&2
    PIXO_BENCH_DIR="$out" build/native/bench/pixo_bench --benchmark_repetitions=3 --benchmark_min_time=0.1 \
        --benchmark_format=json "$@" >"$out/pixo-$round.json"
    "$python" bench/peer.py 5 "$out" >"$out/peer-$round.json"
done
"$python" bench/summary.py "$out"
