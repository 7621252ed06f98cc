#!/usr/bin/env bash
# The run command: installs what is missing, builds the x86_64 program and starts it under Wine
# in the project's own prefix (created on first use). With --i686, the shipped 32-bit program
# instead, under 32-bit Wine in the emulated i386 userland (tools/i386-userland.sh), with a 32-bit
# prefix of its own.
#
# With a display ($DISPLAY) the program runs there until you close it. Without one it runs on a
# virtual display: the command waits for the sign-in window, saves a screenshot of it, prints
# its path, and ends the program through its own close path (the window's close command).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
./tools/setup.sh
source tools/lib/display.sh

preset=win64 arch=win64
case "${1:-}" in
"") ;;
--i686) preset=win32 arch=win32 ;;
*)
    echo "usage: tools/run.sh [--i686]" >&2
    exit 2
    ;;
esac
if [ "$arch" = win32 ]; then ./tools/i386-userland.sh prepare; fi

cmake --preset "$preset" >/dev/null
targets=(ConnexionORLIX)
standin=build/$preset/tests/support/ScriptedRdpControl.dll
if [ -x tools/register-standin.sh ]; then
    targets+=(ScriptedRdpControl)
fi
cmake --build --preset "$preset" --target "${targets[@]}"
exe=build/$preset/app/ConnexionORLIX.exe

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    orlix_wine_env "$arch"
    if [ -x tools/register-standin.sh ]; then ./tools/register-standin.sh "$standin"; fi
    echo "run: starting $exe on $DISPLAY"
    exec env ORLIX_USE_DISPLAY=1 ./tools/wine-run.sh "--$arch" "$exe"
fi

orlix_private_display
# A virtual display this run started ends with it.
trap orlix_end_started_display EXIT
orlix_wine_env "$arch"
if [ -x tools/register-standin.sh ]; then ./tools/register-standin.sh "$standin"; fi
echo "run: no display; using a virtual one ($DISPLAY)"
"$ORLIX_WINE" "$exe" &
pid=$!

# The sign-in window's title, or the start-up failure box's.
window=""
kind=""
for _ in $(seq 1 120); do
    line=$(xwininfo -root -tree 2>/dev/null | grep -E '"(Enseignement Sp.*Vorlane|Application Error)"' | head -n 1 || true)
    if [ -n "$line" ]; then
        window=$(awk '{print $1}' <<<"$line")
        case "$line" in *"Application Error"*) kind=failure ;; *) kind=window ;; esac
        break
    fi
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.5
done

mkdir -p build/screenshots
if [ -z "$window" ]; then
    echo "run: the program ended before showing a window" >&2
    wait "$pid" || true
    exit 1
fi

sleep 1  # let the first paint finish
shot="$PWD/build/screenshots/$([ "$kind" = window ] && echo sign-in || echo startup-failure).png"
import -window "$window" "$shot"
echo "run: screenshot saved to $shot"
if [ "$kind" = failure ]; then
    echo "run: the program stopped in its start-up failure box (\"Application Error\"): the Remote Desktop"
    echo "     control does not exist under Wine, and no development stand-in is registered."
fi

# The window's own close command (WM_CLOSE), as the close box sends it, to the program found by
# its process id: finding it by name reads another process's memory, which user-mode emulation
# does not allow.
winpid=$("$ORLIX_WINE" winedbg --command "info process" 2>/dev/null |
    sed -nE "s/^[= ]*([0-9a-f]+) +[0-9]+ +'ConnexionORLIX.exe'.*/\1/Ip" | head -n 1)
if [ -n "$winpid" ]; then
    "$ORLIX_WINE" taskkill /pid "$((16#$winpid))" >/dev/null 2>&1 || true
fi
status=0
wait "$pid" || status=$?
echo "run: the program ended with exit code $status"
