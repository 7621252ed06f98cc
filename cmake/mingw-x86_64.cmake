# x86_64 Windows build: the program and its tests, run here under Wine's 64-bit loader.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORLIX_TRIPLE x86_64-w64-mingw32)
# The tests start threads (a second reader, a clipboard holder): POSIX threads.
set(ORLIX_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh")
