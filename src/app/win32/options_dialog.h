// The options dialog: two scroll bars for the sound and music volumes.
#pragma once

#include <windows.h>

namespace trelux {

// Runs the modal dialog; OK stores the two volumes, Cancel keeps them.
void showOptionsDialog(HINSTANCE instance, HWND owner);

}  // namespace trelux
