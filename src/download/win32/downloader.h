// The puzzle downloader, run modally from the main menu's "Get Puzzles":
// fetches the server's manifest, lists its sets ("Download Web Puzzles")
// and downloads and installs the ones the player picks, one at a time.
#pragma once

#include <windows.h>

#include <string>

namespace trelux {

// serverSetting is the "server" setting of trelux.ini (empty for the
// default host). Failures end the run with a message box.
void runDownloader(HWND owner, HINSTANCE instance, const std::string& serverSetting);

}  // namespace trelux
