# The install package, target `package`: build/win32/package/ with
# installer.exe, INSTALL.DLL and one component library per directory of the
# game folder. trelux-package writes the resource scripts from whatever the
# game folder holds (nothing is listed here), and LinkPackage.cmake links
# them. Every step that puts a file into the game folder adds it to the
# global property TRELUX_GAME_FILES, so the package is made again when one
# changes.
#
# TRELUX_PACKAGE_DIR: the package folder.
set(TRELUX_PACKAGE_DIR "${CMAKE_BINARY_DIR}/package")
set(package_scripts "${CMAKE_BINARY_DIR}/package-scripts")
set(package_stamp "${package_scripts}/package.stamp")
set(package_license "${CMAKE_SOURCE_DIR}/data/install/license.txt")

trelux_host_tool(TRELUX_PACKAGE_TOOL trelux-package)
get_property(game_files GLOBAL PROPERTY TRELUX_GAME_FILES)
# As with the art: host_tools only orders the step; the generator's sources
# make it run again.
file(GLOB package_tool_sources CONFIGURE_DEPENDS
  "${CMAKE_SOURCE_DIR}/tools/trelux-package/*.cpp"
  "${CMAKE_SOURCE_DIR}/tools/trelux-package/*.h")

add_custom_command(
  OUTPUT "${package_stamp}"
  COMMAND "${TRELUX_PACKAGE_TOOL}" "${TRELUX_GAME_DIR}" "${package_scripts}"
          --background "${TRELUX_ART_DIR}/install.bmp"
          --license "${package_license}"
          --program "Trelux"
          --directory "%LOCALAPPDATA%\\Programs\\Trelux"
          --subkey "Trelux"
          --execute "trelux.exe"
  COMMAND ${CMAKE_COMMAND} "-DSCRIPTS=${package_scripts}" "-DOUT=${TRELUX_PACKAGE_DIR}"
          "-DRC_COMPILER=${CMAKE_RC_COMPILER}" "-DLINKER=${CMAKE_CXX_COMPILER}"
          "-DINSTALLER=$<TARGET_FILE:installer>"
          -P "${CMAKE_SOURCE_DIR}/cmake/LinkPackage.cmake"
  COMMAND ${CMAKE_COMMAND} -E touch "${package_stamp}"
  DEPENDS host_tools trelux trelux_dll installer game_data game_levels trelux_art
          ${game_files} "${TRELUX_ART_DIR}/install.bmp" "${package_license}"
          ${package_tool_sources} "${CMAKE_SOURCE_DIR}/cmake/LinkPackage.cmake"
  COMMENT "Making the install package in ${TRELUX_PACKAGE_DIR}"
  VERBATIM)
add_custom_target(package DEPENDS "${package_stamp}")
