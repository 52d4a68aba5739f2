# The win32 build needs programs that run on the build machine while it
# builds: the art generator and the puzzle set compiler. They are built once
# more, natively and optimised, in a sub-build of this same source tree.
#
# trelux_host_tool(VAR name) sets VAR to the path of host program `name`
# (a folder of tools/ with an executable of the same name). Custom commands
# that run it should DEPEND on the target `host_tools`.
include(ExternalProject)
include(${CMAKE_CURRENT_LIST_DIR}/ArtFiles.cmake)

# Several Windows builds (32 and 64 bits) may share one: ./test.sh names it.
set(TRELUX_HOST_BINARY_DIR "${CMAKE_BINARY_DIR}/host" CACHE PATH
    "Where the host programs are built")
# Scripts find the tools under the build's own host/ folder either way.
if(NOT TRELUX_HOST_BINARY_DIR STREQUAL "${CMAKE_BINARY_DIR}/host")
  if(NOT IS_SYMLINK "${CMAKE_BINARY_DIR}/host")
    file(REMOVE_RECURSE "${CMAKE_BINARY_DIR}/host")
  endif()
  file(CREATE_LINK "${TRELUX_HOST_BINARY_DIR}" "${CMAKE_BINARY_DIR}/host" SYMBOLIC)
endif()
# The art the host build draws, as this build reads it (cmake/Art.cmake).
trelux_art_files(TRELUX_ART_FILES "${CMAKE_BINARY_DIR}/art")
ExternalProject_Add(host_tools
  SOURCE_DIR "${CMAKE_SOURCE_DIR}"
  BINARY_DIR "${TRELUX_HOST_BINARY_DIR}"
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS
    -DCMAKE_BUILD_TYPE=Release
    -DTRELUX_HOST_TOOLS_ONLY=ON
    -DTRELUX_TESTS=OFF
    # clang optimises them in two thirds of the time g++ takes, and at -O1
    # in two thirds of the time -O3 takes, while the art and the level
    # table come out the same and no slower.
    -DCMAKE_CXX_COMPILER=clang++
    "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG"
  BUILD_ALWAYS ON
  # It draws the art too (cmake/HostArt.cmake); named here for the steps
  # that read it, through art/ of this build.
  BUILD_BYPRODUCTS ${TRELUX_ART_FILES}
  INSTALL_COMMAND ""
  USES_TERMINAL_BUILD ON
)

function(trelux_host_tool var name)
  set(${var} "${TRELUX_HOST_BINARY_DIR}/tools/${name}/${name}" PARENT_SCOPE)
endfunction()
