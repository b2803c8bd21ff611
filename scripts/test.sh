#!/usr/bin/env bash
# Installs what is missing, builds the native core (with ASan and UBSan, and a release build with the
# benchmarks), the Windows program and its package (the ZIP), and runs every test: unit tests, the Win32-side
# tests, the end-to-end scenarios and the package test under Wine on a virtual display, then the scenarios of
# two monitors on a desktop of two.
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
ctest --preset native -R AgreesWithFullScan -j "$jobs"  # the nearest colour search against full scans

echo "== Windows program, Win32-side tests and end-to-end scenarios under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
pixo_ensure_display
ctest --preset windows -LE 'package|monitors'

echo "== the package: the ZIP made, unpacked into an empty folder and started from there under Wine"
ctest --preset windows -L package
ls build/windows/Pixoscope-*-win64.zip

echo "== two monitors, the second left of the primary at negative coordinates (Xorg's dummy driver)"
# Wine's desktop belongs to the display it started on: it ends before the other display starts.
pixo_stop_display
WINEPREFIX="${PIXO_WINEPREFIX:-$PIXO_ROOT/build/wineprefix}" wineserver -k 2>/dev/null || true
(
    unset DISPLAY
    trap 'pixo_stop_display' EXIT
    pixo_start_monitors_display 1280x1024 1024x768
    ctest --preset windows -L monitors
)
