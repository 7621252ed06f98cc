#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's prefix, on a private virtual display
# unless ORLIX_USE_DISPLAY=1 asks for the current one. CMake uses it as the emulator of the
# Windows builds, so every Win32 test goes through here: x86_64 programs under 64-bit Wine, and
# with --win32 first (--win64 is the default), i686 programs under 32-bit Wine in the emulated i386 userland, where every
# wait of the end-to-end walk is scaled (ORLIX_WAIT_SCALE). The program's exit code is kept.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/display.sh"
arch=win64
case "${1:-}" in
--win64) shift ;;
--win32)
    arch=win32
    shift
    export ORLIX_WAIT_SCALE="${ORLIX_WAIT_SCALE:-4}"
    ;;
esac
if [ "${ORLIX_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    orlix_private_display
fi
orlix_wine_env "$arch"
exec "$ORLIX_WINE" "$@"
