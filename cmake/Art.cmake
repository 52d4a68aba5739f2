# The game's pictures and sounds, drawn by the host build (cmake/HostArt.cmake)
# into its art/ folder, which art/ of this build links to.
#
# TRELUX_ART_DIR: the folder of the generated files, for .rc files (the list
#   is in cmake/ArtFiles.cmake).
# TRELUX_ART_FILES: all of them with their paths, for OBJECT_DEPENDS; the
#   host_tools step makes them (its byproducts).
# Target trelux_art stands for them; targets whose resources include them
# depend on it. The contact sheets are in ${TRELUX_ART_DIR}/sheets.
set(TRELUX_ART_DIR "${CMAKE_BINARY_DIR}/art")
if(NOT IS_SYMLINK "${TRELUX_ART_DIR}")
  # Left by a build that drew the art itself.
  file(REMOVE_RECURSE "${TRELUX_ART_DIR}")
endif()
file(CREATE_LINK "${TRELUX_HOST_BINARY_DIR}/art" "${TRELUX_ART_DIR}" SYMBOLIC)
add_custom_target(trelux_art DEPENDS ${TRELUX_ART_FILES})
add_dependencies(trelux_art host_tools)
