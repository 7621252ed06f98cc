#!/usr/bin/env bash
# The release command: builds the shipped i686 product and the x86_64 build in Release, stripped,
# and one Windows Installer package per architecture, into out/release/:
#   i686/ConnexionORLIX.exe            the shipped product (32-bit)
#   x86_64/ConnexionORLIX.exe
#   ConnexionORLIX-<version>-x86.msi   per-machine install, silent with msiexec /i FILE /qn
#   ConnexionORLIX-<version>-x64.msi
#   SHA256SUMS
# <version> is the executable's own file version (resources/ConnexionORLIX.rc, FILEVERSION).
# Two runs from the same commit give byte-identical files, whatever the checkout's or the build's
# directory: no time stamps (SOURCE_DATE_EPOCH is the commit's time), no build paths.
#   ORLIX_RELEASE_BUILD=DIR   build in DIR/<arch> (default build/release)
#   ORLIX_RELEASE_OUT=DIR     write to DIR (default out/release)
#   ORLIX_SERVER_ADDRESS, ORLIX_SERVER_PORT   the school's server (default 127.0.0.1 and 4123)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
./tools/setup.sh
source tools/lib/release.sh

build=${ORLIX_RELEASE_BUILD:-$root/build/release}
out=${ORLIX_RELEASE_OUT:-$root/out/release}
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH

rm -rf "$out"
mkdir -p "$out"
for arch in i686 x86_64; do
    dir="$build/$arch"
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DORLIX_BUILD_TESTS=OFF \
        -DORLIX_SERVER_ADDRESS="${ORLIX_SERVER_ADDRESS:-127.0.0.1}" -DORLIX_SERVER_PORT="${ORLIX_SERVER_PORT:-4123}" >/dev/null
    nice -n 5 cmake --build "$dir" --target ConnexionORLIX
    mkdir -p "$out/$arch"
    cp "$dir/app/ConnexionORLIX.exe" "$out/$arch/"
    orlix_msi "$out/$arch/ConnexionORLIX.exe" "$(orlix_msi_arch "$arch")" "$out"
done
(cd "$out" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS)
cat "$out/SHA256SUMS"
