#!/usr/bin/env bash
# Start-up time under Wine, from process creation to the first full paint of the window, where
# that time goes, and the time of a full repaint of the window, control by control:
#   tools/startup-bench.sh [ROUNDS] [EARLIER]      (default 15 rounds)
# Times the x86_64 program (win64 preset, stripped) against a minimal host that shows the same
# stand-in control in place in an empty window (tests/bench/startup/reference_form.h) and against
# a bare window, in turn, and prints the medians and the ratios; then the medians of every phase
# of start-up in the program and in the minimal host (startup_breakdown); then the repaint.
# EARLIER is a folder with an earlier build's ConnexionORLIX.exe, startup_phases.exe and
# repaint_bench.exe (from build/win64, tests/bench/startup): they are timed in the same runs, so
# that the two builds compare under the same load. The stand-in is registered in the project's
# Wine prefix first, as tools/run.sh does.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
rounds=${1:-15}
earlier=${2:-}
if [ -n "$earlier" ] && [ ! -f "$earlier/ConnexionORLIX.exe" ]; then
    echo "startup-bench: $earlier/ConnexionORLIX.exe not found" >&2
    exit 1
fi
./tools/setup.sh
cmake --preset win64 >/dev/null
nice -n 5 cmake --build --preset win64 --target ConnexionORLIX ScriptedRdpControl startup_reference startup_bare \
    startup_bench startup_phases startup_breakdown repaint_bench
# Registering starts Wine: on the same virtual display as the timed programs, or the Wine
# session it leaves behind has a desktop without one, where they cannot create windows.
source tools/lib/display.sh
orlix_private_display
# A virtual display this run started ends with it.
trap orlix_end_started_display EXIT
./tools/register-standin.sh
bench=build/win64/tests/bench/startup
# Timed without their debug information, as they ship: under Wine, start-up grows with the size
# of the file, and the program's debug information is not the same size as the reference's.
stripped=build/win64/bench-stripped
mkdir -p "$stripped"
for exe in build/win64/app/ConnexionORLIX.exe "$bench/startup_reference.exe" "$bench/startup_bare.exe" \
    "$bench/startup_phases.exe"; do
    x86_64-w64-mingw32-strip -o "$stripped/$(basename "$exe")" "$exe"
done
quiet() { "$@" 2> >(grep -v '^[0-9a-f]*:fixme:' >&2); }
quiet ./tools/wine-run.sh "$bench/startup_bench.exe" "$rounds" "$stripped/ConnexionORLIX.exe" \
    "$stripped/startup_reference.exe" "$stripped/startup_bare.exe" ${earlier:+"$earlier/ConnexionORLIX.exe"}
quiet ./tools/wine-run.sh "$bench/startup_breakdown.exe" "$rounds" "$stripped/startup_phases.exe"
quiet ./tools/wine-run.sh "$bench/repaint_bench.exe"
if [ -n "$earlier" ]; then
    echo "The earlier build:"
    quiet ./tools/wine-run.sh "$bench/startup_breakdown.exe" "$rounds" "$earlier/startup_phases.exe"
    quiet ./tools/wine-run.sh "$earlier/repaint_bench.exe"
fi
