# The game's pictures and sounds, made while building by the host program
# trelux-art from the readable sources in art/ (pixel font, music scores).
#
# TRELUX_ART_DIR: the folder of the generated files, for .rc files:
#   tileset.bmp colors.bmp digits.bmp, the play screen's moves and best
#   display moves.bmp, the help pictures trelux.bmp laser.bmp
#   sensor.bmp lens.bmp mirror.bmp tmirror.bmp, icon.ico, the installer's
#   background install.bmp, and push.wav
#   zap.wav win.wav mus0.wav mus1.wav mus2.wav.
# TRELUX_ART_FILES: all of them with their paths, for OBJECT_DEPENDS.
# Target trelux_art makes them; targets whose resources include them depend
# on it. The contact sheets go to ${TRELUX_ART_DIR}/sheets.
set(TRELUX_ART_DIR "${CMAKE_BINARY_DIR}/art")
set(TRELUX_ART_SHEETS_DIR "${TRELUX_ART_DIR}/sheets")
set(TRELUX_ART_FILES
  tileset.bmp colors.bmp digits.bmp moves.bmp
  trelux.bmp laser.bmp sensor.bmp lens.bmp mirror.bmp tmirror.bmp
  icon.ico
  install.bmp
  push.wav zap.wav win.wav mus0.wav mus1.wav mus2.wav
)
list(TRANSFORM TRELUX_ART_FILES PREPEND "${TRELUX_ART_DIR}/")

trelux_host_tool(TRELUX_ART_TOOL trelux-art)
# host_tools orders the step after the generator is rebuilt; the
# generator's own sources make the step run again when it changed.
file(GLOB TRELUX_ART_INPUTS CONFIGURE_DEPENDS
  "${CMAKE_SOURCE_DIR}/art/*.txt"
  "${CMAKE_SOURCE_DIR}/art/music/*.txt"
  "${CMAKE_SOURCE_DIR}/tools/trelux-art/*.cpp"
  "${CMAKE_SOURCE_DIR}/tools/trelux-art/*.h")
add_custom_command(
  OUTPUT ${TRELUX_ART_FILES} "${TRELUX_ART_SHEETS_DIR}/tileset.png" "${TRELUX_ART_SHEETS_DIR}/panel.png"
  COMMAND "${TRELUX_ART_TOOL}" "${CMAKE_SOURCE_DIR}/art" "${TRELUX_ART_DIR}" "${TRELUX_ART_SHEETS_DIR}"
  DEPENDS host_tools ${TRELUX_ART_INPUTS}
  COMMENT "Drawing the pictures and rendering the sounds"
  VERBATIM)
add_custom_target(trelux_art ALL DEPENDS ${TRELUX_ART_FILES})
