#!/usr/bin/env bash
# The test command: installs what is missing, checks that every tool it calls is there, then runs
# every test of the project.
#   0. every C++ source is formatted as .clang-format says
#   1. portable code, natively with AddressSanitizer and UndefinedBehaviorSanitizer
#   2. the fuzz targets of the PNG reader and the window description, for a bounded time
#   3. the x86_64 program and its Win32 tests, under Wine on a virtual display
#   4. the shipped i686 product, at most 1 MB, and the same Win32 tests and end-to-end walk on it,
#      under 32-bit Wine in an emulated i386 userland (this machine cannot run 32-bit code itself)
#   5. the release command: a required server, byte-identical runs, the packages' tables, signing,
#      install, upgrade, downgrade and uninstall of both packages under Wine
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
# Step 4 registers an emulator with binfmt_misc and enters the userland with chroot: say so now,
# not after the steps before it.
if [ "$(id -u)" -ne 0 ]; then
    echo "test: run the test command as root (sudo tools/test.sh): its i686 step needs root" >&2
    exit 1
fi
# Installs what is missing, then stops here, naming the package, if any tool is still absent.
./tools/setup.sh

step() { printf '\n=== %s ===\n' "$*"; }

# The DLLs that Windows always loads from System32, whatever folder the program runs from: the
# KnownDLLs registry list (HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs),
# the part of it common to Windows 7 to 11. Any other DLL the program imports would first be
# looked for beside it.
known_dlls='advapi32|comdlg32|gdi32|imm32|kernel32|msvcrt|ole32|oleaut32|rpcrt4|shell32|shlwapi|user32|ws2_32'

# The hardening of a built program: PE flags, imports, stack protector. $1: objdump's prefix
# (i686-w64-mingw32 or x86_64-w64-mingw32), $2: the program, $3: a file with its symbols (the
# unstripped program, or the library of its own code).
check_hardening() {
    local tool=$1 program=$2 symbols=$3 headers flag
    headers=$("$tool-objdump" -p "$program")
    local flags=(DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE)
    if [ "$tool" = i686-w64-mingw32 ]; then flags+=(NO_SEH); else flags+=(HIGH_ENTROPY_VA); fi
    for flag in "${flags[@]}"; do
        if ! grep -q "^[[:space:]]*$flag\b" <<<"$headers"; then
            echo "test: $program is not marked $flag" >&2
            exit 1
        fi
    done
    # Whole outputs in variables: with pipefail, a "grep -q" that stops reading early fails the
    # command that feeds it.
    local imports symbol_table
    imports=$(grep 'DLL Name' <<<"$headers" || true)
    if grep -viqE "DLL Name: ($known_dlls)\.dll\$" <<<"$imports"; then
        echo "test: $program imports a DLL that is not a KnownDLL:" >&2
        echo "$imports" >&2
        exit 1
    fi
    symbol_table=$("$tool-nm" -A "$symbols" 2>/dev/null || true)
    if ! grep -q '__stack_chk_fail' <<<"$symbol_table"; then
        echo "test: $symbols has no stack protector" >&2
        exit 1
    fi
}

# The Win32 tests share this checkout's virtual display, which outlives each of them; it ends
# with this command unless it was already running when the command began.
source tools/lib/display.sh
if ! orlix_running_display >/dev/null; then
    trap orlix_stop_display EXIT
fi

step "format: every C++ source as .clang-format says"
git ls-files -z '*.cpp' '*.h' '*.inc' | xargs -0 clang-format --dry-run --Werror

step "native: portable code and its tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

step "fuzz: stored-picture and window-description readers"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

step "win64: the program and its Win32 tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64
check_hardening x86_64-w64-mingw32 build/win64/app/ConnexionORLIX.exe build/win64/app/ConnexionORLIX.exe
ctest --preset win64

step "win32: the shipped i686 product and its Win32 tests under 32-bit Wine, emulated"
./tools/i386-userland.sh prepare
cmake --preset win32 >/dev/null
cmake --build --preset win32
product=build/win32/app/ConnexionORLIX.exe
# A 32-bit executable with the X86 manifest, needing no DLL beyond the system's.
file "$product" | grep -q 'PE32 executable (GUI) Intel 80386'
grep -q 'processorArchitecture="X86"' build/win32/app/ConnexionORLIX.manifest
# Stripped: the stack protector is looked for in the library of the program's own code.
check_hardening i686-w64-mingw32 "$product" build/win32/app/liborlix_app.a
ls -l "$product"
# One file, everything linked statically, at most 1 MB.
size=$(stat -c %s "$product")
if ((size > 1048576)); then
    echo "test: the product is $size bytes, more than 1 MB" >&2
    exit 1
fi
ctest --preset win32

step "release: reproducible executables and Windows Installer packages"
./tools/check-release.sh

step "all tests passed"
