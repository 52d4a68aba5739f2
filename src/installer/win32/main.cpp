// The installer's entry point.
#include <windows.h>
#include <commctrl.h>

#include "installer/win32/installer_program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The manifest asks for today's common controls; they must be loaded.
  InitCommonControls();
  return trelux::runInstaller(instance);
}
