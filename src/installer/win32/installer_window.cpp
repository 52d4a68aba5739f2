#include "installer/win32/installer_window.h"

#include "installer/win32/installer_commands.h"
#include "installer/win32/installer_screens.h"
#include "installer/win32/installer_state.h"

namespace trelux {
namespace {

constexpr int kWindowSize = 400;
constexpr UINT kClassStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_OWNDC;
constexpr DWORD kWindowStyle = WS_VISIBLE | WS_BORDER | WS_SYSMENU;

void paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  drawBackground(dc);
  EndPaint(window, &paint);
}

}  // namespace

bool registerInstallerClass() {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = kClassStyle;
  windowClass.lpfnWndProc = installerWindowProc;
  windowClass.hInstance = installer().instance;
  windowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kInstallerClass;
  return RegisterClassExA(&windowClass) != 0;
}

void unregisterInstallerClass() { UnregisterClassA(kInstallerClass, installer().instance); }

HWND createInstallerWindow() {
  const int left = GetSystemMetrics(SM_CXSCREEN) / 2 - kWindowSize / 2;
  const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - kWindowSize / 2;
  return CreateWindowExA(0, kInstallerClass, installer().texts.program.c_str(), kWindowStyle, left,
                         top, kWindowSize, kWindowSize, nullptr, nullptr, installer().instance,
                         nullptr);
}

LRESULT CALLBACK installerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_PAINT:
      paint(window);
      break;
    case WM_COMMAND:
      onInstallerCommand(LOWORD(wParam));
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace trelux
