// The game's entry point.
#include <windows.h>
#include <commctrl.h>

#include "app/win32/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The manifest asks for today's common controls; they must be loaded.
  InitCommonControls();
  return trelux::runProgram(instance);
}
