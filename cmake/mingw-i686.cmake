# i686 Windows build: the shipped 32-bit product. Built and linked here, never run.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORLIX_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
