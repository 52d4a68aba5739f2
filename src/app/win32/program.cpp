#include "app/win32/program.h"

#include <string>

#include "app/stale_saves.h"
#include "app/game_folder.h"
#include "app/startup_files.h"
#include "app/win32/dialog_dress.h"
#include "app/win32/screens.h"
#include "app/win32/shell.h"
#include "app/win32/window_classes.h"
#include "app/win32/window_zoom.h"
#include "audio/win32/audio_device.h"
#include "audio/win32/sound_manager.h"

namespace trelux {

bool checkStartupFiles() {
  const std::string message = loadStartupFiles();
  if (message.empty()) return true;
  MessageBoxA(nullptr, message.c_str(), kProgramTitle, MB_ICONHAND);
  return false;
}

void warnOfUnwritableFolder() {
  if (canWriteFolder(".\\")) return;
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof folder, folder);
  MessageBoxA(nullptr, unwritableGameFolderMessage(folder).c_str(), kProgramTitle, MB_ICONWARNING);
}

bool finishStartup() {
  // No sound device is no reason to refuse to play: the game runs silent.
  openAudio(mainWindow);
  resourceLibrary = LoadLibraryA("trelux.dll");
  if (!resourceLibrary) {
    MessageBoxA(nullptr, kMissingFilesMessage, kProgramTitle, MB_ICONHAND);
    return false;
  }
  dressDialogs();
  loadZoomSetting();
  applyScreenRequest();  // the main menu, which sizes and shows the window
  return true;
}

bool drainMessages(HACCEL accelerators, int& exitCode) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      exitCode = static_cast<int>(message.wParam);
      return false;
    }
    TranslateMessage(&message);
    // A key that matches an accelerator is still dispatched as a key.
    TranslateAcceleratorA(mainWindow, accelerators, &message);
    DispatchMessageA(&message);
  }
  return true;
}

int runMessageLoop(HACCEL accelerators) {
  int exitCode = 0;
  for (;;) {
    WaitMessage();
    if (!drainMessages(accelerators, exitCode)) return exitCode;
    applyScreenRequest();
  }
}

void shutDown(HACCEL accelerators) {
  DestroyAcceleratorTable(accelerators);
  destroyScreen();
  closeAudio();
  saveSettings();
  FreeLibrary(resourceLibrary);
  resourceLibrary = nullptr;
  stopDressingDialogs();
}

int runProgram(HINSTANCE instance) {
  programInstance = instance;
  if (!checkStartupFiles()) return 0;
  removeStaleSaveFiles();
  warnOfUnwritableFolder();
  if (!registerWindowClasses()) return 0;
  mainWindow = createMainWindow();
  if (!mainWindow) return 0;
  if (!finishStartup()) return resourceLibrary ? 0 : kMissingLibraryExitCode;
  HACCEL accelerators = LoadAcceleratorsA(programInstance, "accel");
  const int exitCode = runMessageLoop(accelerators);
  shutDown(accelerators);
  return exitCode;
}

}  // namespace trelux
