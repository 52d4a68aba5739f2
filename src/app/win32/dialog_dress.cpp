#include "app/win32/dialog_dress.h"

#include <windows.h>

#include <cstring>

#include "app/win32/shell.h"

namespace trelux {
namespace {

HHOOK gHook = nullptr;
constexpr const char* kDressedProperty = "trelux.dressed";
// Room beside the title, past the icon, the buttons and the frame.
constexpr int kTitleMargin = 24;

bool isDialog(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return std::strcmp(name, "#32770") == 0;
}

void giveIcon(HWND window) {
  const int big = GetSystemMetrics(SM_CXICON), small = GetSystemMetrics(SM_CXSMICON);
  HANDLE bigIcon = LoadImageA(programInstance, "icon", IMAGE_ICON, big, big, LR_SHARED);
  HANDLE smallIcon = LoadImageA(programInstance, "icon", IMAGE_ICON, small, small, LR_SHARED);
  if (bigIcon) SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
  if (smallIcon) SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

int titleWidth(HWND window) {
  char title[256] = {};
  const int length = GetWindowTextA(window, title, sizeof title);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return 0;
  HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
  HDC dc = GetDC(window);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE extent{};
  GetTextExtentPoint32A(dc, title, length, &extent);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  DeleteObject(font);
  // A window manager may add more buttons than the close box: room for four.
  return extent.cx + GetSystemMetrics(SM_CXSMICON) + 4 * GetSystemMetrics(SM_CXSIZE) +
         2 * GetSystemMetrics(SM_CXFIXEDFRAME) + kTitleMargin;
}

void shiftChildren(HWND window, int by) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(child, nullptr, rect.left + by, rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// Wider by what the title lacks, about the same centre, its content moved
// along so that it stays in the middle.
void widenToTitle(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int grow = titleWidth(window) - width;
  if (grow <= 0) return;
  SetWindowPos(window, nullptr, rect.left - grow / 2, rect.top, width + grow,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
  shiftChildren(window, grow / 2);
}

LRESULT CALLBACK dressOnActivation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (isDialog(window) && !GetPropA(window, kDressedProperty)) {
      SetPropA(window, kDressedProperty, reinterpret_cast<HANDLE>(1));
      giveIcon(window);
      widenToTitle(window);
    }
  }
  return CallNextHookEx(gHook, code, wParam, lParam);
}

}  // namespace

void dressDialogs() {
  if (!gHook)
    gHook = SetWindowsHookExA(WH_CBT, dressOnActivation, nullptr, GetCurrentThreadId());
}

void stopDressingDialogs() {
  if (gHook) UnhookWindowsHookEx(gHook);
  gHook = nullptr;
}

}  // namespace trelux
