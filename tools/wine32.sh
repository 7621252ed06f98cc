#!/usr/bin/env bash
# 32-bit Wine, run in the emulated i386 userland (tools/i386-userland.sh) with the checkout and
# the X sockets bound at their own paths, so that paths and the display are the same inside.
#   tools/wine32.sh PROGRAM [ARGS]...     wine PROGRAM ARGS
#   tools/wine32.sh --wineserver [ARGS]   wineserver ARGS
# The environment (WINEPREFIX, DISPLAY, ...) passes through; orlix_wine_env win32 sets it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
binds=(--bind "$root")
if [ -d /tmp/.X11-unix ]; then binds+=(--bind /tmp/.X11-unix); fi
# A prefix kept outside the checkout is bound too.
if [ -n "${WINEPREFIX:-}" ] && [[ "$WINEPREFIX" != "$root"/* ]]; then
    mkdir -p "$WINEPREFIX"
    binds+=(--bind "$WINEPREFIX")
fi
program=wine
if [ "${1:-}" = --wineserver ]; then
    program=/usr/lib/wine/wineserver
    shift
fi
exec "$root/tools/i386-userland.sh" run "${binds[@]}" -- "$program" "$@"
