#!/usr/bin/env bash
# The save figures of docs/performance.md: pixoscope.exe under Wine on a virtual screen of each size, saving the
# whole screen as PNG and as BMP (tests/e2e/save_figures.cpp says what is measured and how).
#   PIXO_FIGURE_SCREENS  the virtual screens, WxHxD each (default "1920x1080x24 3840x2160x24")
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$PIXO_ROOT"
pixo_ensure_packages
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target pixoscope pixo_save_figures >/dev/null

for screen in ${PIXO_FIGURE_SCREENS:-1920x1080x24 3840x2160x24}; do
    (
        export PIXO_SCREEN="$screen"
        unset DISPLAY
        pixo_ensure_display
        PIXO_EXE="$PIXO_ROOT/build/windows/app/pixoscope.exe" \
            "$PIXO_ROOT/scripts/wine-run" "$PIXO_ROOT/build/windows/tests/e2e/pixo_save_figures.exe"
    )
done
