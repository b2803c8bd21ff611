# Shared by the run and test scripts: installs what the build needs when it is missing.
# shellcheck shell=bash

PIXO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export PIXO_ROOT

pixo_packages=(
    cmake ninja-build g++ make python3
    libgtest-dev googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 fonts-wine fonts-liberation xvfb x11-utils openbox imagemagick
    fp-utils
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

# A window manager manages the display when the root window names a check window that names itself
# (the window managers' own convention); xprop prints "window id # 0x..." for both.
pixo_wm_running() {
    local check
    check="$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p' || true)"
    [ -n "$check" ] && xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id # $check"
}

# Starts a light window manager on $DISPLAY and waits until it manages the screen. Sets PIXO_WM_PID. A
# desktop without one is no user's desktop: the keyboard goes to whatever window lies under the pointer
# rather than to the active one, windows opened later cover those kept on top, and Wine waits seconds for a
# window manager to withdraw each window it hides.
#
# Right after a fresh Xvfb says it is ready, Openbox now and then cannot open the display (about one start
# in twenty) and exits; it is started again then.
pixo_start_wm() {
    command -v openbox >/dev/null || pixo_ensure_packages
    local attempt _
    for attempt in 1 2 3 4 5; do
        openbox --sm-disable --config-file "$PIXO_ROOT/scripts/openbox.xml" >/dev/null 2>&1 &
        PIXO_WM_PID=$!
        for _ in $(seq 1 200); do
            pixo_wm_running && return 0
            kill -0 "$PIXO_WM_PID" 2>/dev/null || break
            sleep 0.05
        done
        kill "$PIXO_WM_PID" 2>/dev/null || true
        wait "$PIXO_WM_PID" 2>/dev/null || true
        sleep 0.2
    done
    PIXO_WM_PID=""
    echo "The window manager did not start on $DISPLAY" >&2
    return 1
}

# Starts a private virtual X display (Xvfb on the first free display number) with a window manager on it
# and exports DISPLAY. Sets PIXO_XVFB_PID; pixo_stop_x stops both.
pixo_start_display() {
    local numbers
    numbers="$(mktemp)"
    # Xvfb picks a free number itself and writes it once it accepts connections.
    Xvfb -displayfd 3 -screen 0 "${PIXO_SCREEN:-1024x768x24}" -nolisten tcp -ac >/dev/null 2>&1 3>"$numbers" &
    PIXO_XVFB_PID=$!
    local _
    for _ in $(seq 1 200); do
        [ -s "$numbers" ] && break
        sleep 0.05
    done
    local n
    n="$(head -n 1 "$numbers")"
    rm -f "$numbers"
    if [ -z "$n" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$n"
    pixo_start_wm
}

# Stops what pixo_start_display or pixo_start_wm started: the window manager, then the display.
pixo_stop_x() {
    local pid
    for pid in "${PIXO_WM_PID:-}" "${PIXO_XVFB_PID:-}"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    PIXO_WM_PID=""
    PIXO_XVFB_PID=""
}

# For the rest of the script: a virtual X display with a window manager when no display is set, or a window
# manager on the set display when none manages it. Whatever was started stops on exit.
pixo_ensure_display() {
    if [ -z "${DISPLAY:-}" ]; then
        pixo_start_display
    elif ! pixo_wm_running; then
        pixo_start_wm
    fi
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
    fi
    pixo_stop_x
}
