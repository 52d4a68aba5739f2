// Windows sized by their client area: every screen lays the main window out
// so that its client area is exactly the picture it shows.
#pragma once

#include <windows.h>

namespace trelux {

// Gives window a client area of exactly width by height, keeping its
// top-left corner, and shows it.
void fitClientArea(HWND window, int width, int height, bool hasMenu, DWORD style,
                   DWORD extendedStyle);

// Puts window's top-left corner at (x, y) with a client area of width by
// height, and shows it. A window already on screen is moved and sized in one
// step: hiding it and showing it again makes the window system unmap and map
// it, which costs a round trip to the window manager each time, and two
// seconds when there is none. The first time, it is laid out as
// fitClientArea does, since only a shown window tells the size of its frame.
void placeClientArea(HWND window, int x, int y, int width, int height, DWORD style);

// CreateWindowExA, then fitClientArea; null when no window was made.
HWND createFittedWindow(DWORD extendedStyle, const char* className, const char* title,
                        DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
                        HINSTANCE instance, void* parameter, bool hasMenu);

}  // namespace trelux
