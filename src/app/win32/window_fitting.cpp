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

void placeClientArea(HWND window, int x, int y, int width, int height, DWORD style) {
  if (!IsWindowVisible(window) || IsIconic(window)) {
    ShowWindow(window, SW_HIDE);
    MoveWindow(window, x, y, 0, 0, FALSE);
    fitClientArea(window, width, height, false, style, 0);
    return;
  }
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  const int frameWidth = (outer.right - outer.left) - client.right;
  const int frameHeight = (outer.bottom - outer.top) - client.bottom;
  // The outer corner goes where fitClientArea puts it: offset from (x, y)
  // by the frame the style describes, so that a switch never nudges it.
  RECT styled{0, 0, width, height};
  AdjustWindowRectEx(&styled, style, FALSE, 0);
  // The whole client area is drawn again right after, so no old bits are
  // worth copying.
  SetWindowPos(window, nullptr, x + styled.left, y + styled.top, width + frameWidth,
               height + frameHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
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
