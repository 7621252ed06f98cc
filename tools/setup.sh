#!/usr/bin/env bash
# Installs, with apt-get, what building, running and testing the project needs on Debian 12.
# Idempotent: packages already present are not touched, and nothing is fetched when all are there.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/apt.sh"

packages=(
    # host build and portable tests
    cmake ninja-build g++ make pkg-config zlib1g-dev libpng-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    # Windows builds: x86_64 with POSIX threads for the tests, the i686 product with the Windows
    # thread model, and zlib for each
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32 libz-mingw-w64-dev
    # running the x86_64 build: Wine, a virtual display, the Windows fonts, screenshots
    wine wine64 xvfb fonts-wine x11-utils x11-apps imagemagick file
    # the shipped i686 build, run in an emulated i386 userland (tools/i386-userland.sh)
    mmdebstrap curl
    # the release command: Windows Installer packages (wixl, msiinfo, msidump, msibuild) made at
    # a fixed time
    wixl msitools faketime
    # signing the release (Authenticode) and the test's throwaway certificates
    osslsigncode openssl
)
orlix_apt_install "${packages[@]}"
