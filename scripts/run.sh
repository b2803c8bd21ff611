#!/usr/bin/env bash
# Builds pixoscope.exe and runs it under Wine. Without a display it starts a virtual one, shows the lens
# over the test desktop, writes a screenshot PNG and prints its path.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$PIXO_ROOT"
pixo_ensure_packages
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target pixoscope pixo_testdesk
exe="$PIXO_ROOT/build/windows/app/pixoscope.exe"
desk="$PIXO_ROOT/build/windows/tests/e2e/pixo_testdesk.exe"

if [ -n "${DISPLAY:-}" ]; then
    exec "$PIXO_ROOT/scripts/wine-run" "$exe"
fi

pixo_ensure_display
"$PIXO_ROOT/scripts/wine-run" "$desk" >/dev/null 2>&1 &
sleep 3
"$PIXO_ROOT/scripts/wine-run" "$exe" >/dev/null 2>&1 &
pixo_wait_for_lens || true
sleep 2
mkdir -p "$PIXO_ROOT/build/screenshots"
shot="$PIXO_ROOT/build/screenshots/lens.png"
import -window root -crop 260x260+170+170 +repage "$shot"
echo "Screenshot of the lens: $shot"
