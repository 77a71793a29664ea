# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, for std::thread and friends).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESSARO_MINGW_TRIPLE x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${TESSARO_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${TESSARO_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TESSARO_MINGW_TRIPLE}-windres REQUIRED)

# A compiler that builds for another system would give a program that cannot run on Windows at all.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine OUTPUT_VARIABLE _tessaro_target
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _tessaro_rc)
if(NOT _tessaro_rc EQUAL 0 OR NOT _tessaro_target MATCHES "^x86_64-w64-(windows-gnu|mingw32)$")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} targets '${_tessaro_target}', not 64-bit Windows")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${TESSARO_MINGW_TRIPLE})
if(DEFINED ENV{TESSARO_DEPS_PREFIX})
    list(APPEND CMAKE_FIND_ROOT_PATH $ENV{TESSARO_DEPS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
