# 64-bit Windows with mingw-w64's -posix compilers: the same program as the
# 32-bit build, for machines whose kernel runs no 32-bit code (so no 32-bit
# Wine) but can still run the Windows tests under 64-bit Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TRELUX_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TRELUX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRELUX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TRELUX_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TRELUX_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
