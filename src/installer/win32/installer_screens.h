// The installer window's four screens. Each switch destroys the controls of
// the screen before, repaints the background and makes the new controls.
#pragma once

#include <windows.h>

namespace trelux {

// Control ids, which are also the commands the buttons send.
inline constexpr int kInstallButton = 100;
inline constexpr int kPlayButton = 200;
inline constexpr int kQuitButton = 300;
inline constexpr int kUninstallButton = 400;
inline constexpr int kInstallHereButton = 500;
inline constexpr int kCancelButton = 600;
inline constexpr int kDirectoryEdit = 700;

// screen is an InstallerScreen.
void showScreen(int screen);
// Copies the 400 x 400 background to the window's top-left corner.
void drawBackground(HDC dc);

}  // namespace trelux
