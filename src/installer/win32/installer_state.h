// The installer's state, one per process: the package and the texts read
// from it at start, the background picture, the window and its screen, and
// the directories the installation works with.
#pragma once

#include <windows.h>

#include <string>

namespace trelux {

struct InstallerTexts {
  std::string program;      // PROGRAM: the window's caption
  std::string directory;    // DEFDIR: shown for editing
  std::string registryKey;  // REGKEY: below HKEY_CURRENT_USER
  std::string execute;      // EXECUTE: relative to the installation directory
  std::string subkey;       // QXSUBDIR: below "Software\Marblewick\"
  std::string license;      // LICENSE
};

enum InstallerScreen {
  ScreenNotInstalled = 0,
  ScreenInstalled = 1,
  ScreenChooseDirectory = 2,
  ScreenInstalling = 3,
};

struct Installer {
  HINSTANCE instance = nullptr;
  HMODULE package = nullptr;
  InstallerTexts texts;
  HDC backgroundDc = nullptr;
  HBITMAP background = nullptr;
  HGDIOBJ previousBitmap = nullptr;
  HFONT font = nullptr;
  HWND window = nullptr;
  std::string sourceDirectory;  // the working directory at start
  std::string installationDirectory;
  bool installed = false;
  int screen = ScreenNotInstalled;
};

Installer& installer();

}  // namespace trelux
