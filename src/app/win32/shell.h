// Process-wide handles of the game program, set once at start-up and read
// everywhere. One thread uses them, so they are plain globals.
#pragma once

#include <windows.h>

namespace trelux {

extern HINSTANCE programInstance;  // the program's own resources
extern HWND mainWindow;            // the one top-level window
extern HMODULE resourceLibrary;    // "trelux.dll": bitmaps and sounds

inline constexpr const char* kProgramTitle = "Trelux";

}  // namespace trelux
