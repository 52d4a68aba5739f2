# The start-up files of the game folder. A file the game rewrites (the
# settings) is copied again only when its source changes, so a build keeps
# the player's volumes.
set(TRELUX_GAME_DATA startup.dat trelux.ini levels/download.guid)
set(game_data_outputs)
foreach(file IN LISTS TRELUX_GAME_DATA)
  add_custom_command(
    OUTPUT "${TRELUX_GAME_DIR}/${file}"
    COMMAND ${CMAKE_COMMAND} -E copy "${CMAKE_SOURCE_DIR}/data/${file}" "${TRELUX_GAME_DIR}/${file}"
    DEPENDS "${CMAKE_SOURCE_DIR}/data/${file}"
    COMMENT "Game folder: ${file}")
  list(APPEND game_data_outputs "${TRELUX_GAME_DIR}/${file}")
endforeach()
add_custom_target(game_data ALL DEPENDS ${game_data_outputs})
# The install package holds the game folder (cmake/Package.cmake).
set_property(GLOBAL APPEND PROPERTY TRELUX_GAME_FILES ${game_data_outputs})

# The folder and nothing else: what ./play.sh builds (no tests, no tools
# beyond the host programs that make the art and the levels).
add_custom_target(game)
add_dependencies(game trelux trelux_dll game_data game_levels bonus_published)
