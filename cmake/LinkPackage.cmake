# Lays out the install package folder: each resource script that
# trelux-package wrote becomes a resource-only library of the same name
# (INSTALL.rc -> INSTALL.DLL, COMP0.rc -> COMP0.DLL, ...), and installer.exe
# goes beside them. Run by the `package` target:
#   cmake -DSCRIPTS=DIR -DOUT=DIR -DRC_COMPILER=windres -DLINKER=g++ -DINSTALLER=FILE
#         -P LinkPackage.cmake
foreach(var SCRIPTS OUT RC_COMPILER LINKER INSTALLER)
  if(NOT ${var})
    message(FATAL_ERROR "LinkPackage.cmake needs -D${var}=...")
  endif()
endforeach()

# Only this step writes the folder, so nothing of an earlier package stays.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}")
  endif()
endfunction()

file(GLOB scripts "${SCRIPTS}/*.rc")
foreach(script IN LISTS scripts)
  get_filename_component(name "${script}" NAME_WE)
  set(object "${SCRIPTS}/${name}.res")
  run("${RC_COMPILER}" -O coff -i "${script}" -o "${object}")
  # No code and no entry point: the i686 linker rejects --no-entry, and
  # entry point 0 means none.
  run("${LINKER}" -shared -nostdlib -Wl,-e,0 -Wl,--no-insert-timestamp
      -o "${OUT}/${name}.DLL" "${object}")
endforeach()

file(COPY "${INSTALLER}" DESTINATION "${OUT}")
