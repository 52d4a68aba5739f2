// One set's download, asked for by the list's "Download": the
// repeated-download question, then the transfer, the installation and the
// box that reports either.
#pragma once

#include <windows.h>

#include <string>

namespace trelux {

class InternetSession;

struct DownloadContext {
  HINSTANCE instance;
  HWND owner;  // the main window
  InternetSession* session;
};

// True for a set not downloaded before, or when the player answers Yes to
// the repeated-download question; an unreadable list of downloaded sets is
// reported and answers false. list is the list dialog, the boxes' owner.
bool mayDownload(HWND list, const std::string& guid);
// Transfers path and installs it as name; a failure is shown in a box and
// installs nothing.
void downloadSet(HWND list, const DownloadContext& context, const std::string& path,
                 const std::string& name, const std::string& guid);

}  // namespace trelux
