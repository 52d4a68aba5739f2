# 32-bit Windows with mingw-w64's -posix compilers (the win32-threads ones
# lack std::mutex, which GoogleTest needs). Programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TRELUX_MINGW i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TRELUX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRELUX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TRELUX_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TRELUX_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
