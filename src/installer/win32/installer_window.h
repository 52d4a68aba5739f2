// The installer's one window: class "Zorvik", 400 x 400 pixels in the middle
// of the screen, the package's background behind the screen's buttons.
#pragma once

#include <windows.h>

namespace trelux {

inline constexpr const char* kInstallerClass = "Zorvik";

bool registerInstallerClass();
void unregisterInstallerClass();
// Visible at once, with the package's caption.
HWND createInstallerWindow();
LRESULT CALLBACK installerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace trelux
