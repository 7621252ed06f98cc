# The build number of the version information: the count of commits up to the one built, so the
# version grows with every commit without a hand edit and two builds of one commit agree. The
# release command passes it; other builds take it from git when they are configured.
if(NOT DEFINED ORLIX_BUILD_NUMBER)
    execute_process(COMMAND git rev-list --count HEAD WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE ORLIX_BUILD_NUMBER OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE orlix_git_result ERROR_QUIET)
    if(NOT orlix_git_result EQUAL 0)
        message(WARNING "not a git checkout: the build number is 0")
        set(ORLIX_BUILD_NUMBER 0)
    endif()
endif()
# A version field holds 16 bits.
if(NOT ORLIX_BUILD_NUMBER MATCHES "^[0-9]+$" OR ORLIX_BUILD_NUMBER GREATER 65535)
    message(FATAL_ERROR "ORLIX_BUILD_NUMBER must be a whole number from 0 to 65535, not \"${ORLIX_BUILD_NUMBER}\"")
endif()
