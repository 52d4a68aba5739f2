// The program's three window classes and their window procedures, which
// hand every message to the current screen.
#pragma once

#include <windows.h>

namespace trelux {

inline constexpr const char* kMainWindowClass = "_______treluX-c_las_s";
inline constexpr const char* kConsoleWindowClass = "___CONs_ole_cl_____ass";
inline constexpr const char* kControlWindowClass = "___CONt_rol_cl_____ass";

bool registerWindowClasses();
// The invisible, empty main window; each screen's view sizes and shows it.
HWND createMainWindow();

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK consoleWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK controlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace trelux
