# Shared by the project's scripts: a private virtual display and the project's own Wine prefix.
# Source it; it defines functions only.

orlix_root() { cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd; }

# Starts (or reuses) one Xvfb for this checkout and exports DISPLAY. The screen is 1024 x 768
# at 24 bits, so window positions and sizes in tests do not depend on the machine; checkouts
# side by side do not share a display, so their focus tests cannot disturb each other.
orlix_private_display() {
    local key
    key=$(orlix_root | md5sum | cut -c1-8)
    local state="${TMPDIR:-/tmp}/orlix-xvfb-$(id -u)-$key"
    local lock="$state.lock"
    exec {lockfd}>"$lock"
    flock "$lockfd"
    if [ -f "$state" ]; then
        local pid disp
        read -r pid disp <"$state" || true
        if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X${disp#:}" ]; then
            export DISPLAY="$disp"
            flock -u "$lockfd"
            return 0
        fi
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
    flock -u "$lockfd"
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
