#include "app/win32/window_fitting.h"

namespace trelux {

void fitClientArea(HWND window, int width, int height, bool hasMenu, DWORD style,
                   DWORD extendedStyle) {
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, style, hasMenu, extendedStyle);
  MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
  // The style may not describe the real frame (the system adds a caption to
  // WS_BORDER | WS_SYSMENU), so correct by what the client area really is.
  RECT client{};
  GetClientRect(window, &client);
  rect.right += width - client.right;
  rect.bottom += height - client.bottom;
  OffsetRect(&rect, windowRect.left, windowRect.top);
  MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
  ShowWindow(window, SW_SHOW);
}

HWND createFittedWindow(DWORD extendedStyle, const char* className, const char* title,
                        DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
                        HINSTANCE instance, void* parameter, bool hasMenu) {
  HWND window = CreateWindowExA(extendedStyle, className, title, style, x, y, width, height,
                                parent, menu, instance, parameter);
  if (!IsWindow(window)) return nullptr;
  fitClientArea(window, width, height, hasMenu, style, extendedStyle);
  return window;
}

}  // namespace trelux
