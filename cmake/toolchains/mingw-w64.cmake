# What both Windows toolchains share: mingw-w64's -posix compilers (the
# win32-threads ones lack std::mutex, which GoogleTest needs) for the target
# TRELUX_MINGW, and its libraries and headers only. Programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TRELUX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRELUX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TRELUX_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TRELUX_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
