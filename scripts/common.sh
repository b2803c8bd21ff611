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
    xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
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

# Starts a private X display of several monitors with a window manager on it and exports DISPLAY, for the
# scenarios of several monitors and the memory of a large desktop. Xvfb has one screen; Xorg's dummy driver
# has sixteen outputs, DUMMY0 .. DUMMY15, which xrandr places like monitors and Wine reports as monitors, at
# negative coordinates too. Each argument is one monitor, WxH: the first is the primary one (DUMMY0), each
# next lies left of the one before, at negative coordinates in Windows; each monitor's mode is named
# pixo-WxH. Runs Xorg as root (with sudo when not). Sets PIXO_XVFB_PID (pixo_stop_x stops the display and the
# window manager) and exports PIXO_XRANDR, the xrandr a scenario switches a monitor off and on with.
#   pixo_start_monitors_display 1280x1024 1024x768   the scenarios' desktop: the second at -1024..0
pixo_start_monitors_display() {
    { command -v Xorg && command -v xrandr && command -v cvt; } >/dev/null || pixo_ensure_packages
    local dir width=0 height=0 size w h
    dir="$(mktemp -d)"
    for size in "$@"; do
        IFS=x read -r w h <<<"$size"
        width=$((width + w))
        [ "$h" -gt "$height" ] && height=$h
    done
    mkdir -p "$dir/conf.d"
    # No input devices of the machine; a framebuffer of the whole desktop (VideoRam in KiB, 32-bit pixels).
    cat >"$dir/xorg.conf" <<CONF
Section "ServerFlags"
    Option "AutoAddDevices" "false"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam $((width * height * 4 / 1024 + 65536))
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual $width $height
    EndSubSection
EndSection
CONF
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo Xorg -displayfd 3 -noreset -nolisten tcp -config "$dir/xorg.conf" -configdir "$dir/conf.d" \
        -logfile "$dir/xorg.log" >/dev/null 2>&1 3>"$dir/number" &
    PIXO_XVFB_PID=$!
    local _ n
    for _ in $(seq 1 200); do
        [ -s "$dir/number" ] && break
        sleep 0.05
    done
    n="$(head -n 1 "$dir/number" 2>/dev/null || true)"
    if [ -z "$n" ]; then
        echo "Xorg did not start (its log: $dir/xorg.log)" >&2
        return 1
    fi
    export DISPLAY=":$n"
    # A low refresh keeps the dummy driver's pixel clock small at any size.
    local i=0 previous="" name
    local -a timings
    for size in "$@"; do
        IFS=x read -r w h <<<"$size"
        name="pixo-${w}x${h}"
        read -r -a timings <<<"$(cvt "$w" "$h" 30 | sed -n 's/^Modeline "[^"]*" *//p')"
        xrandr --newmode "$name" "${timings[@]}" 2>/dev/null || true
        xrandr --addmode "DUMMY$i" "$name"
        if [ -z "$previous" ]; then
            xrandr --output "DUMMY$i" --mode "$name" --primary
        else
            xrandr --output "DUMMY$i" --mode "$name" --left-of "$previous"
        fi
        previous="DUMMY$i"
        i=$((i + 1))
    done
    # Until the server lists every monitor: Wine started right after the last change, without this query,
    # saw the primary monitor alone.
    for _ in $(seq 1 100); do
        [ "$(xrandr --listmonitors | head -n 1)" = "Monitors: $#" ] && break
        sleep 0.05
    done
    PIXO_XRANDR="$(command -v xrandr)"
    export PIXO_XRANDR
    pixo_start_wm
}

# Stops what pixo_start_display, pixo_start_monitors_display or pixo_start_wm started: the window manager,
# then the display.
pixo_stop_x() {
    local pid
    for pid in "${PIXO_WM_PID:-}" "${PIXO_XVFB_PID:-}"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || sudo -n kill "$pid" 2>/dev/null || true  # Xorg may run as root
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
