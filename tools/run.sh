#!/usr/bin/env bash
# The run command: installs what is missing, builds the x86_64 program and starts it under Wine
# in the project's own prefix (created on first use).
#
# With a display ($DISPLAY) the program runs there until you close it. Without one it runs on a
# virtual display: the command waits for the sign-in window, saves a screenshot of it, prints
# its path, and ends the program through its own close path (the window's close command).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
./tools/setup.sh
source tools/lib/display.sh

cmake --preset win64 >/dev/null
targets=(ConnexionORLIX)
standin=build/win64/tests/support/ScriptedRdpControl.dll
if [ -x tools/register-standin.sh ]; then
    targets+=(ScriptedRdpControl)
fi
cmake --build --preset win64 --target "${targets[@]}"
exe=build/win64/app/ConnexionORLIX.exe

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    orlix_wine_env
    if [ -x tools/register-standin.sh ]; then ./tools/register-standin.sh "$standin"; fi
    echo "run: starting $exe on $DISPLAY"
    exec env ORLIX_USE_DISPLAY=1 ./tools/wine-run.sh "$exe"
fi

orlix_private_display
orlix_wine_env
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

# The window's own close command (WM_CLOSE), as the close box sends it.
"$ORLIX_WINE" taskkill /im ConnexionORLIX.exe >/dev/null 2>&1 || true
status=0
wait "$pid" || status=$?
echo "run: the program ended with exit code $status"
