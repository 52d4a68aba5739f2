// The small modeless window that says what the downloader is doing
// (template "progressDlg": no caption, one centred text, and "Cancel").
// While a transfer runs it is the one window the player can use: the
// window it blocks (the main window, or the list) is disabled, as under a
// modal dialog, and Cancel or Esc stops the transfer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace trelux {

class ProgressWindow {
 public:
  ProgressWindow(HINSTANCE instance, HWND owner, HWND blocked);
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  bool exists() const { return window_ != nullptr && IsWindow(window_); }
  // Command 4001: shows text and the window.
  void setText(const std::string& text);
  // Command 4002: the window disappears.
  void hide();

  // A transfer begins: the blocked window is disabled, this one takes the
  // keyboard. endTransfer gives both back.
  void beginTransfer();
  void endTransfer();
  // Handles the thread's messages until signal is set, timeoutMs pass or a
  // message was handled. False once the player pressed Cancel or Esc, or the
  // program was asked to quit (the request stays queued for the game's loop).
  bool wait(HANDLE signal, uint64_t timeoutMs);

 private:
  static INT_PTR CALLBACK proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  HWND blocked_;
  bool cancelled_ = false;
  bool blockedWasEnabled_ = false;
};

}  // namespace trelux
