// The game program from start to end: start-up in a fixed order, the
// message loop, and shut-down in the reverse order.
#pragma once

#include <windows.h>

namespace trelux {

// The exit code for a missing resource library; every other failed start
// ends with 0.
inline constexpr int kMissingLibraryExitCode = 1;

int runProgram(HINSTANCE instance);

// The start-up files with their message box; false ends the program.
bool checkStartupFiles();
// Says once, before the window, when the game's folder cannot keep saves.
void warnOfUnwritableFolder();
// Opens audio (a game without a sound device runs silent), loads the
// resource library, and builds the main menu.
bool finishStartup();
// Waits for messages and handles them until WM_QUIT; answers its wParam.
int runMessageLoop(HACCEL accelerators);
// Handles every queued message; false once WM_QUIT arrived (its wParam then
// goes to exitCode).
bool drainMessages(HACCEL accelerators, int& exitCode);
void shutDown(HACCEL accelerators);

}  // namespace trelux
