// The installer's entry point; with "/uninstall", the uninstall command of
// an installed game.
#include <windows.h>
#include <commctrl.h>

#include "installer/win32/installer_program.h"
#include "installer/win32/uninstall_command.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  if (trelux::isUninstallCommand(arguments)) return trelux::runUninstallCommand(arguments);
  // The manifest asks for today's common controls; they must be loaded.
  InitCommonControls();
  return trelux::runInstaller(instance);
}
