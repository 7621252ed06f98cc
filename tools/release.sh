#!/usr/bin/env bash
# The release command: builds the shipped i686 product and the x86_64 build in Release, stripped,
# and one Windows Installer package per architecture, for one school's server, into out/release/:
#   i686/ConnexionORLIX.exe                      the shipped product (32-bit)
#   x86_64/ConnexionORLIX.exe
#   ConnexionORLIX-<version>-<server>-x86.msi    per-machine install, silent with msiexec /i FILE /qn
#   ConnexionORLIX-<version>-<server>-x64.msi
#   SHA256SUMS                                   the SHA-256 of every other file
#   RELEASE.txt                                  version, server, port, commit, signing
# <version> is major.minor from resources/version.rc.in and the count of commits as the build
# number. Two runs from the same commit give byte-identical files, whatever the checkout's or the
# build's directory: no time stamps (SOURCE_DATE_EPOCH is the commit's time), no build paths.
#   ORLIX_SERVER_ADDRESS      the school's server, a dotted IPv4 address: required
#   ORLIX_SERVER_PORT         its port (default 4123)
#   ORLIX_SIGN_PKCS12=FILE    sign both executables and both packages (Authenticode) with the
#   ORLIX_SIGN_PASSWORD_FILE=FILE   code-signing certificate and key in FILE, whose password is
#                             the first line of the other FILE (never on the command line)
#   ORLIX_SIGN_TIMESTAMP=URL  countersign by this timestamp server, so the signatures stay valid
#                             after the certificate expires
#   ORLIX_RELEASE_BUILD=DIR   build in DIR/<arch> (default build/release)
#   ORLIX_RELEASE_OUT=DIR     write to DIR (default out/release)
# The server is checked before anything is built, and out/release/ is replaced only when every
# step has succeeded: a failed release leaves the previous one as it was.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
fail() { echo "release: $*" >&2; exit 1; }

if [ -z "${ORLIX_SERVER_ADDRESS:-}" ]; then
    fail "ORLIX_SERVER_ADDRESS is not set: name the school's server, for example
    ORLIX_SERVER_ADDRESS=192.0.2.10 tools/release.sh
(a loopback build for trying the program is ORLIX_SERVER_ADDRESS=127.0.0.1 tools/release.sh)"
fi
server=$ORLIX_SERVER_ADDRESS
port=${ORLIX_SERVER_PORT:-4123}
# The same rules as the build's configuration, before anything is installed, removed or written.
# CMake trims blanks around a value given with -D, so a value holding any is refused here first.
[[ "$server" =~ ^[0-9.]+$ ]] || fail "ORLIX_SERVER_ADDRESS must be a dotted IPv4 address, not '$server'"
[[ "$port" =~ ^[0-9]+$ ]] || fail "ORLIX_SERVER_PORT must be a whole number from 1 to 65535, not '$port'"
cmake -DORLIX_SERVER_ADDRESS="$server" -DORLIX_SERVER_PORT="$port" -P cmake/ServerSettings.cmake ||
    fail "the server settings above are refused; nothing was built"

if [ -n "${ORLIX_SIGN_PKCS12:-}" ]; then
    [ -r "$ORLIX_SIGN_PKCS12" ] || fail "ORLIX_SIGN_PKCS12: cannot read $ORLIX_SIGN_PKCS12"
    [ -r "${ORLIX_SIGN_PASSWORD_FILE:-}" ] ||
        fail "ORLIX_SIGN_PKCS12 is set: ORLIX_SIGN_PASSWORD_FILE must name a readable file holding its password"
fi

./tools/setup.sh
source tools/lib/release.sh

build=${ORLIX_RELEASE_BUILD:-$root/build/release}
out=${ORLIX_RELEASE_OUT:-$root/out/release}
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
commit=$(git rev-parse HEAD)
buildNumber=$(git rev-list --count HEAD)

# Everything is written into a fresh folder beside the release, which takes its place at the end.
mkdir -p "$(dirname "$out")"
stage=$(mktemp -d "$out.new.XXXXXX")
chmod 755 "$stage"
trap 'rm -rf "$stage"' EXIT
for arch in i686 x86_64; do
    dir="$build/$arch"
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DORLIX_BUILD_TESTS=OFF -DORLIX_BUILD_NUMBER="$buildNumber" \
        -DORLIX_SERVER_ADDRESS="$server" -DORLIX_SERVER_PORT="$port" >/dev/null
    nice -n 5 cmake --build "$dir" --target ConnexionORLIX
    mkdir -p "$stage/$arch"
    cp "$dir/app/ConnexionORLIX.exe" "$stage/$arch/"
    orlix_sign "$stage/$arch/ConnexionORLIX.exe"
    orlix_msi "$stage/$arch/ConnexionORLIX.exe" "$(orlix_msi_arch "$arch")" "$stage" "$server" "$port" "$commit"
done
for msi in "$stage"/*.msi; do orlix_sign "$msi"; done
version=$(orlix_exe_version "$stage/i686/ConnexionORLIX.exe")
signed="no"
if [ -n "${ORLIX_SIGN_PKCS12:-}" ]; then
    signed="yes, by $(orlix_signer "$ORLIX_SIGN_PKCS12")${ORLIX_SIGN_TIMESTAMP:+, timestamped by $ORLIX_SIGN_TIMESTAMP}"
fi
(cd "$stage" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS)
cat >"$stage/RELEASE.txt" <<SUMMARY
Connexion ORLIX $version
server: $server
port: $port
commit: $commit
checksums: SHA256SUMS
signed: $signed
SUMMARY

# The new release takes the old one's place; the old one is removed only once it has.
old=""
if [ -e "$out" ]; then
    old=$(mktemp -d "$out.old.XXXXXX")
    mv "$out" "$old/"
fi
mv "$stage" "$out"
trap - EXIT
[ -z "$old" ] || rm -rf "$old"
cat "$out/SHA256SUMS"
