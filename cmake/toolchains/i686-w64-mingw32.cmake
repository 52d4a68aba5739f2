# 32-bit Windows: the game as it ships.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TRELUX_MINGW i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
