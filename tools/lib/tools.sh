# Shared by the project's scripts: every program that the set-up, run, test and release commands
# call, and the few files they use outside PATH, each with the Debian 12 package that installs it.
# tools/setup.sh installs these packages, then checks that every tool is there, so that a missing
# one stops a command at its start with the package named, not a step deep into a long run.
# Source it; it defines functions only.

# One tool a line: a command looked up on PATH, or an absolute path (a glob) that must exist; then
# its package. Debian's Essential packages (coreutils, grep, sed, util-linux, dpkg, findutils,
# diffutils, ...) are on every Debian system and are not listed.
orlix_tool_rows() {
    local tool package
    # Plain bash, with no other program: awk and the rest are among the tools checked.
    while read -r tool package; do
        if [[ -n "$tool" && "$tool" != "#"* ]]; then echo "$tool $package"; fi
    done <<'TABLE'
# the checkout: source lists, the build number, the release's commit
git                                                 git
# scripts: text processing and the i386 userland's bind mounts (not Essential, so not on every
# minimal system)
awk                                                 mawk
mount                                               mount
umount                                              mount
# host build and portable tests
cmake                                               cmake
ctest                                               cmake
ninja                                               ninja-build
gcc                                                 g++
g++                                                 g++
make                                                make
pkg-config                                          pkg-config
/usr/include/zlib.h                                 zlib1g-dev
/usr/include/png.h                                  libpng-dev
/usr/src/googletest/CMakeLists.txt                  googletest
/usr/include/gtest/gtest.h                          libgtest-dev
/usr/include/gmock/gmock.h                          libgmock-dev
/usr/include/benchmark/benchmark.h                  libbenchmark-dev
# fuzz targets, and the format check
clang                                               clang
clang++                                             clang
/usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a  libclang-rt-14-dev
clang-format                                        clang-format
# Windows builds: x86_64 with POSIX threads for the tests, the i686 product with the Windows
# thread model, and zlib for each; the product's imports are read with objdump
x86_64-w64-mingw32-gcc-posix                        g++-mingw-w64-x86-64-posix
x86_64-w64-mingw32-g++-posix                        g++-mingw-w64-x86-64-posix
x86_64-w64-mingw32-windres                          g++-mingw-w64-x86-64-posix
i686-w64-mingw32-gcc-win32                          g++-mingw-w64-i686-win32
i686-w64-mingw32-g++-win32                          g++-mingw-w64-i686-win32
i686-w64-mingw32-windres                            g++-mingw-w64-i686-win32
i686-w64-mingw32-objdump                            g++-mingw-w64-i686-win32
/usr/x86_64-w64-mingw32/include/zlib.h              libz-mingw-w64-dev
/usr/i686-w64-mingw32/include/zlib.h                libz-mingw-w64-dev
# running the x86_64 build: Wine, a virtual display, the Windows fonts, window lookups and
# screenshots, the kind of a built file, the installed program's version text
wine                                                wine
/usr/lib/wine/wine64                                wine64
/usr/lib/wine/wineserver                            wine64
/usr/share/wine/fonts/tahoma.ttf                    fonts-wine
Xvfb                                                xvfb
xdpyinfo                                            x11-utils
xwininfo                                            x11-utils
xwd                                                 x11-apps
import                                              imagemagick
file                                                file
strings                                             binutils
# the shipped i686 build, run in an emulated i386 userland (tools/i386-userland.sh): mmdebstrap
# makes it and needs arch-test for a foreign architecture; curl checks the mirror
mmdebstrap                                          mmdebstrap
arch-test                                           arch-test
curl                                                curl
# the release command: Windows Installer packages made at a fixed time
wixl                                                wixl
msiinfo                                             msitools
msidump                                             msitools
msibuild                                            msitools
faketime                                            faketime
# signing the release (Authenticode) and the test's throwaway certificates
osslsigncode                                        osslsigncode
openssl                                             openssl
TABLE
}

# Every package of the table, once each.
orlix_tool_packages() {
    local tool package seen=" "
    while read -r tool package; do
        if [[ "$seen" != *" $package "* ]]; then
            seen+="$package "
            echo "$package"
        fi
    done < <(orlix_tool_rows)
}

# Succeeds when every tool of the table is there; otherwise names each missing tool with its
# package, and the command that installs them all, on standard error.
orlix_check_tools() {
    local tool package missing=() packages=()
    while read -r tool package; do
        if [[ "$tool" == /* ]]; then
            compgen -G "$tool" >/dev/null && continue
        else
            command -v "$tool" >/dev/null && continue
        fi
        missing+=("$tool (package $package)")
        [[ " ${packages[*]} " == *" $package "* ]] || packages+=("$package")
    done < <(orlix_tool_rows)
    ((${#missing[@]})) || return 0
    echo "missing tools:" >&2
    printf '    %s\n' "${missing[@]}" >&2
    echo "install them with: apt-get install ${packages[*]}" >&2
    return 1
}
