# Host tools for the Windows builds: the project configured a second time for the build machine,
# building only what the Windows build runs. ORLIX_COMPILE_DESCRIPTION converts a window
# description to its binary form.
include(ExternalProject)
set(ORLIX_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(ORLIX_COMPILE_DESCRIPTION ${ORLIX_HOST_TOOLS_DIR}/tools/description/compile_description)
ExternalProject_Add(orlix_host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${ORLIX_HOST_TOOLS_DIR}
    CMAKE_ARGS
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_C_COMPILER=gcc
        -DCMAKE_CXX_COMPILER=g++
        -DORLIX_HOST_TOOLS_ONLY=ON
        -DORLIX_BUILD_TESTS=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target compile_description
    INSTALL_COMMAND ""
    # The tool's own sources may change: its build is asked every time and is quick when they did not.
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${ORLIX_COMPILE_DESCRIPTION}
)
