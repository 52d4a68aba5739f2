// Windows sized by their client area: every screen lays the main window out
// so that its client area is exactly the picture it shows.
#pragma once

#include <windows.h>

namespace trelux {

// Gives window a client area of exactly width by height, keeping its
// top-left corner, and shows it.
void fitClientArea(HWND window, int width, int height, bool hasMenu, DWORD style,
                   DWORD extendedStyle);

// CreateWindowExA, then fitClientArea; null when no window was made.
HWND createFittedWindow(DWORD extendedStyle, const char* className, const char* title,
                        DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
                        HINSTANCE instance, void* parameter, bool hasMenu);

}  // namespace trelux
