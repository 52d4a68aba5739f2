# The game's pictures and sounds, drawn in the host build by the trelux-art it
# builds. Both Windows builds of a test run share one host build, so they are
# drawn once for both. The contact sheets go to art/sheets.
include(${CMAKE_CURRENT_LIST_DIR}/ArtFiles.cmake)
set(art_dir "${CMAKE_BINARY_DIR}/art")
trelux_art_files(art_files "${art_dir}")
# The generator's own sources make the step run again when it changed.
file(GLOB art_inputs CONFIGURE_DEPENDS
  "${CMAKE_SOURCE_DIR}/art/*.txt"
  "${CMAKE_SOURCE_DIR}/art/music/*.txt"
  "${CMAKE_SOURCE_DIR}/tools/trelux-art/*.cpp"
  "${CMAKE_SOURCE_DIR}/tools/trelux-art/*.h")
add_custom_command(
  OUTPUT ${art_files} "${art_dir}/sheets/tileset.png" "${art_dir}/sheets/panel.png"
  COMMAND trelux-art "${CMAKE_SOURCE_DIR}/art" "${art_dir}" "${art_dir}/sheets"
  DEPENDS trelux-art ${art_inputs}
  COMMENT "Drawing the pictures and rendering the sounds"
  VERBATIM)
add_custom_target(art ALL DEPENDS ${art_files})
