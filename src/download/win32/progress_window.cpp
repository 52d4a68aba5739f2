#include "download/win32/progress_window.h"

#include "resources/win32/resource_ids.h"

namespace trelux {

namespace {

void drawNow(HWND dialog) {
  RedrawWindow(dialog, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

INT_PTR CALLBACK progressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, "");
      ShowWindow(dialog, SW_SHOWNA);
      drawNow(dialog);
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_PROGRESS_SET_TEXT) {
        SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, reinterpret_cast<const char*>(lParam));
        ShowWindow(GetDlgItem(dialog, IDC_PROGRESS_TEXT), SW_SHOW);
        ShowWindow(dialog, SW_SHOWNA);
        drawNow(dialog);
        return TRUE;
      }
      if (LOWORD(wParam) == IDC_PROGRESS_HIDE) {
        ShowWindow(dialog, SW_HIDE);
        return TRUE;
      }
      return FALSE;
    default: return FALSE;
  }
}

}  // namespace

ProgressWindow::ProgressWindow(HINSTANCE instance, HWND owner)
    : window_(CreateDialogParamA(instance, "progressDlg", owner, progressProc, 0)) {}

// The window is ours for one run or one set's download; kept hidden it would
// pile up for the rest of the program.
ProgressWindow::~ProgressWindow() {
  if (exists()) DestroyWindow(window_);
}

// Sent, not posted: the text is shown before the next blocking call.
void ProgressWindow::setText(const std::string& text) {
  if (!exists()) return;
  SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_PROGRESS_SET_TEXT, 0),
               reinterpret_cast<LPARAM>(text.c_str()));
}

void ProgressWindow::hide() {
  if (exists()) SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_PROGRESS_HIDE, 0), 0);
}

}  // namespace trelux
