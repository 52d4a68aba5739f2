#include "app/win32/window_classes.h"

#include "app/win32/screens.h"
#include "app/win32/shell.h"
#include "app/win32/window_zoom.h"
#include "gfx/win32/game_view.h"
#include "resources/win32/resource_ids.h"

namespace trelux {
namespace {

constexpr UINT kClassStyle = CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
// Maximize shows the screen at the largest factor that fits.
constexpr DWORD kMainWindowStyle = WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

bool registerClass(const char* name, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = kClassStyle;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = programInstance;
  windowClass.hIcon = LoadIconA(programInstance, "icon");
  windowClass.hIconSm = LoadIconA(programInstance, "icon");
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = name;
  return RegisterClassExA(&windowClass) != 0;
}

void validate(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

LRESULT toController(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (ScreenController* controller = currentController())
    return controller->handleMessage(window, message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

// Ctrl+Plus and Ctrl+Minus work on every screen, before its controller.
bool zoomCommand(WPARAM wParam) {
  const int id = LOWORD(wParam);
  if (id != IDC_ZOOM_IN && id != IDC_ZOOM_OUT) return false;
  if (ScreenView* view = currentView()) view->stepZoom(id == IDC_ZOOM_IN ? 1 : -1);
  return true;
}

bool onPuzzleScreen() {
  return currentScreen() == ScreenPlay || currentScreen() == ScreenEditor;
}

}  // namespace

bool registerWindowClasses() {
  return registerClass(kMainWindowClass, mainWindowProc) &&
         registerClass(kConsoleWindowClass, consoleWindowProc) &&
         registerClass(kControlWindowClass, controlWindowProc);
}

HWND createMainWindow() {
  return CreateWindowExA(0, kMainWindowClass, kProgramTitle, kMainWindowStyle,
                         GetSystemMetrics(SM_CXSCREEN) >> 1, GetSystemMetrics(SM_CYSCREEN) >> 1,
                         0, 0, nullptr, nullptr, programInstance, nullptr);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_PAINT:
      validate(window);
      if (ScreenView* view = currentView()) view->paint();
      break;
    case WM_COMMAND:
      if (zoomCommand(wParam)) return 0;
      break;
    case WM_SIZE:
      if (zoomFollowsSize(wParam))
        if (ScreenView* view = currentView()) view->refit();
      break;
    case WM_CLOSE:
      if (ScreenController* controller = currentController(); controller && !controller->canClose())
        return 0;
      // Closing a puzzle or the editor goes back to the menu; only the menu
      // lets the window close and the program end.
      if (onPuzzleScreen()) {
        requestScreen(ScreenMainMenu);
        return 0;
      }
      break;
    default: break;
  }
  return toController(window, message, wParam, lParam);
}

LRESULT CALLBACK consoleWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (consoleTakesKey(window, message, wParam, lParam)) return 0;
  // Only puzzle screens have a console; their view is always a game view.
  auto* view = dynamic_cast<GameView*>(currentView());
  if (message == WM_PAINT) {
    validate(window);
    if (view) view->paintConsole();
  }
  if (message == WM_WINDOWPOSCHANGED && view)
    view->consoleMoved(*reinterpret_cast<const WINDOWPOS*>(lParam));
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK controlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return toController(window, message, wParam, lParam);
}

}  // namespace trelux
