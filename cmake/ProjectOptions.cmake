# Compiler settings shared by every target of the project.
add_library(orlix_options INTERFACE)
target_compile_features(orlix_options INTERFACE cxx_std_17)
target_compile_options(orlix_options INTERFACE -Wall -Wextra)
target_include_directories(orlix_options INTERFACE ${PROJECT_SOURCE_DIR})

if(WIN32)
    # The 8-bit (ANSI) window functions are called by name; nothing relies on the TCHAR mapping.
    target_compile_definitions(orlix_options INTERFACE
        WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
    # One self-contained executable: no MinGW runtime, libstdc++, winpthread or zlib DLL beside it.
    target_link_options(orlix_options INTERFACE -static -static-libgcc -static-libstdc++)
    # The shipped build carries no debugging information (the static runtime brings some).
    target_link_options(orlix_options INTERFACE $<$<CONFIG:Release>:-s>)
    # Released executables are small (optimised for size, unused functions and data dropped: the
    # shipped i686 program must stay within 1 MB) and reproducible: no time stamp in the PE
    # header, no build path in the code.
    target_compile_options(orlix_options INTERFACE $<$<CONFIG:Release>:-Os -ffunction-sections -fdata-sections
        -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=build>)
    target_link_options(orlix_options INTERFACE $<$<CONFIG:Release>:-Wl,--gc-sections -Wl,--no-insert-timestamp>)
    # Hardening. Stack cookies: the compiler's libssp, linked in statically (its guard is seeded
    # through advapi32, a system DLL). MinGW-w64's string.h, stdio.h and io.h check buffer sizes
    # known at compile time when _FORTIFY_SOURCE is set and the code is optimised. The images are
    # marked for terminal servers, keep ASLR, DEP and (x86_64) high-entropy addresses, and the
    # i686 one declares that it registers no SEH handlers of its own (nothing in it writes fs:0).
    target_compile_options(orlix_options INTERFACE -fstack-protector-strong)
    target_compile_definitions(orlix_options INTERFACE _FORTIFY_SOURCE=2)
    target_link_options(orlix_options INTERFACE -fstack-protector-strong
        -Wl,--tsaware -Wl,--dynamicbase -Wl,--nxcompat)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
        target_link_options(orlix_options INTERFACE -Wl,--no-seh)
    else()
        target_link_options(orlix_options INTERFACE -Wl,--high-entropy-va)
    endif()
endif()

option(ORLIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ORLIX_SANITIZE AND NOT WIN32)
    target_compile_options(orlix_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    target_link_options(orlix_options INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz build: every library instrumented for libFuzzer's coverage, with both sanitizers.
if(ORLIX_FUZZ)
    target_compile_options(orlix_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
        -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(orlix_options INTERFACE -fsanitize=address,undefined)
endif()

if(WIN32)
    set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)
