#!/usr/bin/env bash
# Registers the scripted development stand-in for the remote desktop control
# (ScriptedRdpControl.dll of the x86_64 build, or of the i686 build) in the project's own Wine
# prefix of the same architecture, and nowhere else, so that the program started under Wine can
# host it. Wine has no Remote Desktop control. The stand-in never opens a network connection. Idempotent: registering again rewrites the same
# entry. Usage: tools/register-standin.sh [path/to/ScriptedRdpControl.dll]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tools/lib/display.sh"
dll="${1:-$root/build/win64/tests/support/ScriptedRdpControl.dll}"
if [ ! -f "$dll" ]; then
    echo "register-standin: $dll not found; build it with: cmake --build --preset win64 --target ScriptedRdpControl" >&2
    exit 1
fi
case "$(file -b "$dll")" in
PE32+*) orlix_wine_env win64 ;;
PE32*) orlix_wine_env win32 ;;
*)
    echo "register-standin: $dll is not a Windows DLL" >&2
    exit 1
    ;;
esac
windows_path="$("$ORLIX_WINE" winepath -w "$dll" 2>/dev/null)"
"$ORLIX_WINE" regsvr32 /s "$windows_path"
