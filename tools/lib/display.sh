# Shared by the project's scripts: a private virtual display and the project's own Wine prefix.
# Source it; it defines functions only.

orlix_root() { cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd; }

# The file that records this checkout's virtual display: "<Xvfb pid> <display>".
orlix_display_state() {
    echo "${TMPDIR:-/tmp}/orlix-xvfb-$(id -u)-$(orlix_root | md5sum | cut -c1-8)"
}

# The display this checkout's Xvfb serves, when it runs; fails otherwise.
orlix_running_display() {
    local state pid disp
    state=$(orlix_display_state)
    [ -f "$state" ] && read -r pid disp <"$state" && kill -0 "$pid" 2>/dev/null &&
        [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ] && [ -e "/tmp/.X11-unix/X${disp#:}" ] &&
        echo "$disp"
}

# Starts (or reuses) one Xvfb for this checkout and exports DISPLAY. The screen is 1024 x 768
# at 24 bits, so window positions and sizes in tests do not depend on the machine; checkouts
# side by side do not share a display, so their focus tests cannot disturb each other. Sets
# ORLIX_DISPLAY_STARTED=1 when this call started it. Each Win32 test runs as a process of its
# own, so the display outlives them and the next one reuses it; tools/stop-display.sh ends it.
orlix_private_display() {
    local state
    state=$(orlix_display_state)
    local lock="$state.lock"
    exec {lockfd}>"$lock"
    flock "$lockfd"
    local disp
    if disp=$(orlix_running_display); then
        export DISPLAY="$disp"
        flock -u "$lockfd"
        return 0
    fi
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    local pid=$!
    local num
    read -r -t 20 num <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start" >&2; flock -u "$lockfd"; return 1; }
    rm -f "$fifo"
    export DISPLAY=":$num"
    echo "$pid $DISPLAY" >"$state"
    ORLIX_DISPLAY_STARTED=1
    flock -u "$lockfd"
}

# Ends this checkout's virtual display, if it runs. The project's 64-bit Wine session on it
# ends first: a Wine server that outlived its display would leave the next run a desktop on
# which no window can be created.
orlix_stop_display() {
    local state pid disp
    state=$(orlix_display_state)
    exec {lockfd}>"$state.lock"
    flock "$lockfd"
    if disp=$(orlix_running_display); then
        read -r pid _ <"$state"
        WINEPREFIX="${ORLIX_WINEPREFIX:-$(orlix_root)/.wine}" timeout 60 /usr/lib/wine/wineserver -w 2>/dev/null || true
        kill "$pid"
        for _ in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        echo "display: ended the virtual display $disp" >&2
    fi
    rm -f "$state"
    flock -u "$lockfd"
}

# For a command's EXIT trap: ends the virtual display if this command started it.
orlix_end_started_display() {
    if [ "${ORLIX_DISPLAY_STARTED:-0}" = 1 ]; then
        orlix_stop_display
    fi
}

# Exports WINEPREFIX (the project's own, created on first use) and the Wine settings the
# project runs with, and sets ORLIX_WINE and ORLIX_WINESERVER. With "win32", the 32-bit prefix
# and Wine of the emulated i386 userland (tools/i386-userland.sh), for the shipped i686 build.
orlix_wine_env() {
    local root
    root=$(orlix_root)
    export WINEARCH="${1:-win64}"
    if [ "$WINEARCH" = win32 ]; then
        export WINEPREFIX="${ORLIX_WINEPREFIX32:-$root/.wine32}"
        ORLIX_WINE="$root/tools/wine32.sh"
        ORLIX_WINESERVER="$root/tools/wine32.sh --wineserver"
    else
        export WINEPREFIX="${ORLIX_WINEPREFIX:-$root/.wine}"
        ORLIX_WINE=/usr/lib/wine/wine64
        ORLIX_WINESERVER=/usr/lib/wine/wineserver
    fi
    export WINEDEBUG="${WINEDEBUG:--all}"
    # No Mono or Gecko download prompts: nothing here needs .NET or a browser engine.
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec {prefixfd}>"$WINEPREFIX.lock"
    flock "$prefixfd"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine: creating the project's $WINEARCH prefix in $WINEPREFIX" >&2
        "$ORLIX_WINE" wineboot -i >/dev/null 2>&1 || true
        # Wine draws the windows' frames and captions itself, as Windows would, with no window
        # manager involved: screenshots show the whole window and tests see Windows' metrics.
        "$ORLIX_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
        "$ORLIX_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
        # A crashing program ends at once instead of waiting in the debugger, so a test run
        # reports the crash rather than hanging: the debugger named here does not exist.
        "$ORLIX_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d no-debugger /f >/dev/null 2>&1 || true
        $ORLIX_WINESERVER -w || true
        [ -f "$WINEPREFIX/system.reg" ] || { echo "wine: could not create $WINEPREFIX" >&2; flock -u "$prefixfd"; return 1; }
    fi
    flock -u "$prefixfd"
}
