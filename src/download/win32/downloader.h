// The puzzle downloader, run modally from the main menu's "Get Puzzles":
// fetches the server's manifest, lists its sets ("Download Web Puzzles")
// and downloads and installs the ones the player picks, one at a time.
#pragma once

#include <windows.h>

#include <string>

#include "download/transfer_limits.h"

namespace trelux {

// serverSetting is the "server" setting of trelux.ini (empty for the
// default host). Failures end the run with a message box; a transfer the
// player cancels ends it silently.
void runDownloader(HWND owner, HINSTANCE instance, const std::string& serverSetting,
                   const TransferLimits& limits = kTransferLimits);

}  // namespace trelux
