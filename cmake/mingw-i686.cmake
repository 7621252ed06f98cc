# i686 Windows build: the shipped 32-bit product and its tests, run under 32-bit Wine in an
# emulated i386 userland (tools/i386-userland.sh).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORLIX_TRIPLE i686-w64-mingw32)
# The product starts no threads of its own: the Windows thread model links no POSIX thread
# library (about 40 KB), which keeps the executable within 1 MB.
set(ORLIX_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh;--win32")
