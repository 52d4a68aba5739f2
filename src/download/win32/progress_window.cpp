#include "download/win32/progress_window.h"

#include <algorithm>

#include "resources/win32/resource_ids.h"

namespace trelux {

INT_PTR CALLBACK ProgressWindow::proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, "");
      ShowWindow(dialog, SW_SHOWNA);
      return FALSE;
    case WM_COMMAND: {
      auto* self = reinterpret_cast<ProgressWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
      switch (LOWORD(wParam)) {
        case IDC_PROGRESS_SET_TEXT:
          SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, reinterpret_cast<const char*>(lParam));
          ShowWindow(GetDlgItem(dialog, IDC_PROGRESS_TEXT), SW_SHOW);
          ShowWindow(dialog, SW_SHOWNA);
          return TRUE;
        case IDC_PROGRESS_HIDE: ShowWindow(dialog, SW_HIDE); return TRUE;
        case IDCANCEL:  // the button, Esc, or Alt+F4
          if (self) self->cancelled_ = true;
          return TRUE;
        default: return FALSE;
      }
    }
    default: return FALSE;
  }
}

ProgressWindow::ProgressWindow(HINSTANCE instance, HWND owner, HWND blocked)
    : blocked_(blocked) {
  window_ = CreateDialogParamA(instance, "progressDlg", owner, proc,
                               reinterpret_cast<LPARAM>(this));
}

// The window is ours for one run or one set's download; kept hidden it would
// pile up for the rest of the program.
ProgressWindow::~ProgressWindow() {
  if (exists()) DestroyWindow(window_);
}

// Sent, not posted: the text is the window's before the next step.
void ProgressWindow::setText(const std::string& text) {
  if (!exists()) return;
  SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_PROGRESS_SET_TEXT, 0),
               reinterpret_cast<LPARAM>(text.c_str()));
}

void ProgressWindow::hide() {
  if (exists()) SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_PROGRESS_HIDE, 0), 0);
}

void ProgressWindow::beginTransfer() {
  cancelled_ = false;
  blockedWasEnabled_ = blocked_ && !EnableWindow(blocked_, FALSE);
  if (!exists()) return;
  ShowWindow(window_, SW_SHOW);
  SetActiveWindow(window_);
  SetFocus(GetDlgItem(window_, IDCANCEL));
}

// The blocked window is enabled before it is activated, as when a modal
// dialog ends, so that the keyboard goes back to it and not elsewhere.
void ProgressWindow::endTransfer() {
  if (!blockedWasEnabled_) return;
  EnableWindow(blocked_, TRUE);
  SetActiveWindow(blocked_);
}

bool ProgressWindow::wait(HANDLE signal, uint64_t timeoutMs) {
  const auto timeout = static_cast<DWORD>(std::min<uint64_t>(timeoutMs, 60'000));
  MsgWaitForMultipleObjects(1, &signal, FALSE, timeout, QS_ALLINPUT);
  MSG message;
  while (!cancelled_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    if (exists() && IsDialogMessageA(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return !cancelled_;
}

}  // namespace trelux
