// The main window's zoom: the factor the player chose (Ctrl+Plus and
// Ctrl+Minus, kept in trelux.ini), the one a maximized window takes, and
// the room a screen's picture has on the window's monitor.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/zoom.h"

namespace trelux {

// Reads the player's factor from the settings file; at start-up.
void loadZoomSetting();
// The factor screens show when it fits: the player's, or while the window
// is maximized, as large as fits.
int32_t wantedZoom();
// The player stepped to factor: kept, in the settings file too.
void chooseZoom(int32_t factor);
// WM_SIZE of the main window; true when the window was maximized or came
// back from it, and the screen must fit its picture again.
bool zoomFollowsSize(WPARAM sizeKind);

// The room for a picture: a maximized window's own client area, else the
// work area of the window's monitor less the frame of style.
Extent zoomRoom(HWND window, DWORD style);
Extent clientExtent(HWND window);

}  // namespace trelux
