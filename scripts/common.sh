# Shared by the run and test scripts: installs what the build needs when it is missing.
# shellcheck shell=bash

PIXO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export PIXO_ROOT

pixo_packages=(
    cmake ninja-build g++ make python3
    libgtest-dev googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 fonts-wine fonts-liberation xvfb x11-utils imagemagick
)

pixo_ensure_packages() {
    local missing=()
    for p in "${pixo_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Starts a virtual X display for the rest of the script when none is set; stops it on exit.
pixo_ensure_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    local n
    for n in $(seq 90 190); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 "${PIXO_SCREEN:-1024x768x24}" -nolisten tcp -ac >/dev/null 2>&1 &
    PIXO_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.05
    done
    trap 'pixo_stop_display' EXIT
}

# Waits up to a minute for the lens window to appear on the display; fails if it does not.
pixo_wait_for_lens() {
    for _ in $(seq 1 120); do
        xwininfo -root -tree 2>/dev/null | grep -q '"Pixoscope"' && return 0
        sleep 0.5
    done
    return 1
}

pixo_stop_display() {
    if [ -n "${PIXO_XVFB_PID:-}" ]; then
        WINEPREFIX="${PIXO_WINEPREFIX:-$PIXO_ROOT/build/wineprefix}" wineserver -k 2>/dev/null || true
        kill "$PIXO_XVFB_PID" 2>/dev/null || true
        wait "$PIXO_XVFB_PID" 2>/dev/null || true
    fi
}
