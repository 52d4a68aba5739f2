#include "download/win32/download_dialog.h"

#include <string>

#include "download/win32/set_download.h"
#include "resources/win32/resource_ids.h"

namespace trelux {

namespace {

struct DialogData {
  const DownloadContext* context;
  const std::vector<ManifestSet>* sets;
};

void addLine(HWND dialog, int list, const std::string& text) {
  SendDlgItemMessageA(dialog, list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string lineOf(HWND dialog, int list, int line) {
  const LRESULT length = SendDlgItemMessageA(dialog, list, LB_GETTEXTLEN, line, 0);
  if (length == LB_ERR) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendDlgItemMessageA(dialog, list, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

void fillLists(HWND dialog, const std::vector<ManifestSet>& sets) {
  for (const ManifestSet& set : sets) {
    addLine(dialog, IDC_WEB_SET_LIST, set.name);
    addLine(dialog, IDC_WEB_PATH_LIST, set.path);
    addLine(dialog, IDC_WEB_AUTHOR_LIST, set.author);
    addLine(dialog, IDC_WEB_DATE_LIST, set.date);
    addLine(dialog, IDC_WEB_GUID_LIST, set.guid);
  }
}

void onDownload(HWND dialog, const DownloadContext& context) {
  const auto line =
      static_cast<int>(SendDlgItemMessageA(dialog, IDC_WEB_SET_LIST, LB_GETCURSEL, 0, 0));
  if (line == LB_ERR) return;
  if (!mayDownload(dialog, lineOf(dialog, IDC_WEB_GUID_LIST, line))) return;
  downloadSet(dialog, context, lineOf(dialog, IDC_WEB_PATH_LIST, line),
              lineOf(dialog, IDC_WEB_SET_LIST, line), lineOf(dialog, IDC_WEB_GUID_LIST, line));
}

// Who made the selected set, and when, as the manifest says.
void showSetInfo(HWND dialog) {
  const auto line =
      static_cast<int>(SendDlgItemMessageA(dialog, IDC_WEB_SET_LIST, LB_GETCURSEL, 0, 0));
  std::string info;
  if (line != LB_ERR) {
    const std::string author = lineOf(dialog, IDC_WEB_AUTHOR_LIST, line);
    const std::string date = lineOf(dialog, IDC_WEB_DATE_LIST, line);
    if (!author.empty()) info = "By " + author;
    if (!date.empty()) info += (info.empty() ? "" : "\n") + date;
  }
  SetDlgItemTextA(dialog, IDC_WEB_SET_INFO, info.c_str());
}

INT_PTR CALLBACK downloadProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      fillLists(dialog, *reinterpret_cast<const DialogData*>(lParam)->sets);
      return TRUE;
    }
    case WM_COMMAND: {
      const auto* data = reinterpret_cast<const DialogData*>(GetWindowLongPtrA(dialog, DWLP_USER));
      if (LOWORD(wParam) == IDC_WEB_SET_LIST && HIWORD(wParam) == LBN_SELCHANGE) {
        showSetInfo(dialog);
        return TRUE;
      }
      if (LOWORD(wParam) == IDC_WEB_DOWNLOAD) {
        onDownload(dialog, *data->context);
        return TRUE;
      }
      if (LOWORD(wParam) == IDOK) {
        EndDialog(dialog, SendDlgItemMessageA(dialog, IDC_WEB_SET_LIST, LB_GETCURSEL, 0, 0));
        return TRUE;
      }
      return FALSE;
    }
    default: return FALSE;
  }
}

}  // namespace

void showDownloadDialog(const DownloadContext& context, const std::vector<ManifestSet>& sets) {
  DialogData data{&context, &sets};
  DialogBoxParamA(context.instance, "downloadDlg", context.owner, downloadProc,
                  reinterpret_cast<LPARAM>(&data));
}

}  // namespace trelux
