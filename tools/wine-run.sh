#!/usr/bin/env bash
# Runs an x86_64 Windows program under Wine with the project's prefix, on a private virtual
# display unless ORLIX_USE_DISPLAY=1 asks for the current one. CMake uses it as the emulator
# of the win64 build, so every Win32 test goes through here. The program's exit code is kept.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/display.sh"
if [ "${ORLIX_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    orlix_private_display
fi
orlix_wine_env
exec "$ORLIX_WINE" "$@"
