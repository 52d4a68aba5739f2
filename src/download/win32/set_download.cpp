#include "download/win32/set_download.h"

#include <memory>

#include "download/download_list.h"
#include "download/download_messages.h"
#include "download/downloaded_set.h"
#include "download/install.h"
#include "download/internet_error.h"
#include "download/win32/internet_session.h"
#include "download/win32/progress_window.h"
#include "download/win32/temp_file.h"

namespace trelux {

namespace {

// The boxes of a download are owned by the list, which the main window
// lies disabled under: closing them gives the list the keyboard back.
void showProblem(HWND owner, const char* text) {
  MessageBoxA(owner, text, kDownloaderCaption, MB_ICONEXCLAMATION);
}

}  // namespace

bool mayDownload(HWND list, const std::string& guid) {
  switch (repeatedDownloadCheck(guid)) {
    case DownloadAnswer::Download: return true;
    case DownloadAnswer::AskFirst:
      return MessageBoxA(list, kRepeatQuestion, kDownloaderCaption,
                         MB_YESNO | MB_ICONQUESTION) == IDYES;
    case DownloadAnswer::ListUnreadable: showProblem(list, kUnreadableListMessage); return false;
  }
  return false;
}

void downloadSet(HWND list, const DownloadContext& context, const std::string& path,
                 const std::string& name, const std::string& guid) {
  TempFile file;
  std::unique_ptr<ProgressWindow> progress;
  try {
    progress = std::make_unique<ProgressWindow>(context.instance, context.owner, list);
    if (!progress->exists()) throw InternetError{"No window!", kUserInterfaceMessage};
    const TransferResult got =
        context.session->transfer(path, file.path(), *progress, kMaxSetFileSize);
    const std::string chosen = installDownloadedSet(file.path(), got.complete, name, guid);
    progress->hide();
    // Owned by the list, like every box of a download: nothing behind it
    // can be pressed, and it cannot fall behind the main menu.
    MessageBoxA(list, downloadCompleteText(chosen).c_str(), kDownloaderCaption,
                MB_ICONINFORMATION);
  } catch (const InternetError& error) {
    if (progress) progress->hide();
    showProblem(list, error.message.c_str());
  } catch (const DownloadCancelled&) {
    if (progress) progress->hide();
  }
}

}  // namespace trelux
