# Fails when a file of the portable core includes a Windows header.
# FILES: every source and header of the core.
set(bad "")
foreach(file IN LISTS FILES)
  file(STRINGS "${file}" hits REGEX "#[ \t]*include[ \t]*[<\"](windows|winuser|wingdi|winbase|dsound|wininet|mmsystem|mmreg|objbase|commctrl|commdlg|shellapi|shlobj|winreg)\\.h")
  if(hits)
    list(APPEND bad "${file}")
  endif()
endforeach()
if(bad)
  list(JOIN bad "\n  " shown)
  message(FATAL_ERROR "Windows headers in the portable core (move these into a win32 folder):\n  ${shown}")
endif()
