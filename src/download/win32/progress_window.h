// The small modeless window that says what the downloader is doing
// (template "progressDlg": no caption, one centred text). It is shown
// without taking the activation, so the keyboard stays where it was.
#pragma once

#include <windows.h>

#include <string>

namespace trelux {

class ProgressWindow {
 public:
  ProgressWindow(HINSTANCE instance, HWND owner);
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  bool exists() const { return window_ != nullptr && IsWindow(window_); }
  // Command 4001: shows text and the window, drawn at once, since the
  // blocking transfer lets no paint message through.
  void setText(const std::string& text);
  // Command 4002: the window disappears.
  void hide();

 private:
  HWND window_ = nullptr;
};

}  // namespace trelux
