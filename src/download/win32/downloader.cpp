#include "download/win32/downloader.h"

#include <memory>

#include "doc/keyed_document.h"
#include "download/download_messages.h"
#include "download/internet_error.h"
#include "download/manifest.h"
#include "download/puzzle_server.h"
#include "download/win32/download_dialog.h"
#include "download/win32/internet_session.h"
#include "download/win32/progress_window.h"
#include "download/win32/temp_file.h"

namespace trelux {

void runDownloader(HWND owner, HINSTANCE instance, const std::string& serverSetting,
                   const TransferLimits& limits) {
  TempFile manifestFile;
  KeyedDocument manifest;
  InternetSession session(limits);
  std::unique_ptr<ProgressWindow> progress;
  const PuzzleServer server = puzzleServerFrom(serverSetting);
  try {
    progress = std::make_unique<ProgressWindow>(instance, owner, owner);
    if (!progress->exists()) throw InternetError{"No window!", kUserInterfaceMessage};
    session.connect(server, *progress);
    const TransferResult got =
        session.transfer(manifestUrl(server), manifestFile.path(), *progress, kMaxManifestSize);
    progress->setText(kProcessingText);
    readManifest(manifest, manifestFile.path(), got.complete);
    progress->hide();
    showDownloadDialog({instance, owner, &session}, manifestSets(manifest));
  } catch (const InternetError& error) {
    if (progress) progress->hide();
    MessageBoxA(owner, error.message.c_str(), kDownloaderCaption, MB_ICONEXCLAMATION);
  } catch (const DownloadCancelled&) {
    if (progress) progress->hide();
  }
}

}  // namespace trelux
