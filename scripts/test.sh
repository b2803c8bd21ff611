#!/usr/bin/env bash
# Installs what is missing, builds the native core (with ASan and UBSan, and a release build with the
# benchmarks) and the Windows program, and runs every test: unit tests, the Win32-side tests and the
# end-to-end scenarios under Wine on a virtual display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$PIXO_ROOT"
pixo_ensure_packages
jobs="$(nproc)"

echo "== native core and unit tests (ASan + UBSan)"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j "$jobs"
ctest --preset native-asan -j "$jobs"

echo "== native release build and benchmarks"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -L bench

echo "== Windows program, Win32-side tests and end-to-end scenarios under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
pixo_ensure_display
ctest --preset windows
