#!/usr/bin/env bash
# The memory of pixoscope.exe under Wine while it holds the capture of a large desktop, beside the capture's
# own size: resident now (the working set) and at its peak.
#   PIXO_SCREEN    one screen, WxHxD (default 3840x2160x24), on Xvfb
#   PIXO_MONITORS  instead, several monitors side by side, each WxH, the first the primary one and each next
#                  left of the one before (Xorg's dummy driver): "3840x2160 3840x2160" for two 4K monitors
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$PIXO_ROOT"
pixo_ensure_packages
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target pixoscope >/dev/null

export PIXO_SCREEN="${PIXO_SCREEN:-3840x2160x24}"
unset DISPLAY
if [ -n "${PIXO_MONITORS:-}" ]; then
    # shellcheck disable=SC2086 # one argument per monitor
    pixo_start_monitors_display $PIXO_MONITORS
    trap 'pixo_stop_display' EXIT
    width=0
    height=0
    for monitor in $PIXO_MONITORS; do
        IFS=x read -r w h <<<"$monitor"
        width=$((width + w))
        [ "$h" -gt "$height" ] && height=$h
    done
else
    pixo_ensure_display
    IFS=x read -r width height _ <<<"$PIXO_SCREEN"
fi
"$PIXO_ROOT/scripts/wine-run" "$PIXO_ROOT/build/windows/app/pixoscope.exe" >/dev/null 2>&1 &
pixo_wait_for_lens || true
sleep 3

# The program's own process: the one on this display that runs pixoscope.exe.
pid=""
for dir in /proc/[0-9]*; do
    { tr '\0' '\n' <"$dir/cmdline"; } 2>/dev/null | grep -q 'pixoscope\.exe$' || continue
    { tr '\0' '\n' <"$dir/environ"; } 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" || continue
    pid="${dir#/proc/}"
done
[ -n "$pid" ] || { echo "pixoscope.exe did not start" >&2; exit 1; }

kib() { awk -v key="$1:" '$1 == key { print $2 }' "/proc/$pid/status"; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
echo "desktop ${width}x${height}: the capture itself $(mib $((width * height * 4 / 1024))) (32-bit pixels)"
echo "pixoscope.exe working set (VmRSS) $(mib "$(kib VmRSS)"), peak (VmHWM) $(mib "$(kib VmHWM)")"
