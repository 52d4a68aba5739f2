// What the downloader's Win32 tests share: the test server's folder and
// address, the steps that answer the list dialog, the progress texts seen,
// and the temporary files in the system's folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/win32/dialog_answerer.h"

namespace trelux::test {

// The test server of puzzle_server.py, as "host:port".
std::string testServer();
// A server setting that names a port nothing listens on.
std::string closedServer();
// A server setting whose connection is never made.
std::string stalledServer();
// The Windows path of a file under the server's folder.
std::string servedFile(const std::string& relative);
std::string servedUrl(const std::string& relative);
// Writes the manifest the server gives out.
void publishManifest(const std::string& text);

// The list dialog: select line (or none for -1) and press Download; or,
// with onReturn, when the dialog is active again after a message box.
DialogStep downloadLine(int line, bool onReturn = false);
// The list dialog's "Finished", when it is active again.
DialogStep finished(bool onReturn = true);
// The lines of one list box of a dialog.
std::vector<std::string> listLines(HWND dialog, int id);

// Records the texts sent to progress windows while it lives.
class ProgressTexts {
 public:
  ProgressTexts();
  ~ProgressTexts();
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_ = nullptr;
  std::vector<std::string> texts_;
};

// The downloader's files in the system's temporary folder.
std::vector<std::string> downloaderTempFiles();

}  // namespace trelux::test
