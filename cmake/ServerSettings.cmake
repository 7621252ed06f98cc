# The remote desktop server the program signs in to: fixed when the product is built, never read
# at run time. A school builds its own product with, for example,
#   cmake --preset win32 -DORLIX_SERVER_ADDRESS=<server address> -DORLIX_SERVER_PORT=4123
set(ORLIX_SERVER_ADDRESS "127.0.0.1" CACHE STRING "IPv4 address of the remote desktop server, dotted")
set(ORLIX_SERVER_PORT "4123" CACHE STRING "TCP port of the remote desktop server, 1 to 65535")

function(orlix_check_server_settings)
    set(octet "(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])")
    if(NOT ORLIX_SERVER_ADDRESS MATCHES "^${octet}\\.${octet}\\.${octet}\\.${octet}$")
        message(FATAL_ERROR "ORLIX_SERVER_ADDRESS must be a dotted IPv4 address (four numbers 0 to 255), "
                            "not \"${ORLIX_SERVER_ADDRESS}\"")
    endif()
    if(NOT ORLIX_SERVER_PORT MATCHES "^[1-9][0-9]?[0-9]?[0-9]?[0-9]?$" OR ORLIX_SERVER_PORT GREATER 65535)
        message(FATAL_ERROR "ORLIX_SERVER_PORT must be a whole number from 1 to 65535, "
                            "not \"${ORLIX_SERVER_PORT}\"")
    endif()
endfunction()
orlix_check_server_settings()
