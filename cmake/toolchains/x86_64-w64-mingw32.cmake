# 64-bit Windows: the same program as the 32-bit build, for machines whose
# kernel runs no 32-bit code (so no 32-bit Wine) but can still run the
# Windows tests under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TRELUX_MINGW x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
