// The description window ("Console"): the level's description in yellow on
// black, beside the puzzle. The user may close it; the next level brings it
// back.
#include "app/win32/window_classes.h"
#include "app/win32/window_fitting.h"
#include "gfx/win32/game_view.h"
#include "world/puzzle_model.h"

namespace trelux {
namespace {

constexpr int kConsoleWidth = 400;
constexpr int kConsoleHeight = 200;
constexpr int kConsoleMargin = 10;
// The system adds a caption to this style anyway.
constexpr DWORD kConsoleStyle = WS_BORDER | WS_SYSMENU;
constexpr COLORREF kConsoleTextColour = 0x00FFFF;

}  // namespace

POINT GameView::consolePosition() const {
  RECT main{};
  GetWindowRect(window_, &main);
  return POINT{main.left + ((main.right - main.left - kConsoleWidth) >> 1),
               main.top + ((main.bottom - main.top - kConsoleHeight) >> 1)};
}

void GameView::openConsole() {
  closeConsole();
  const POINT at = consolePosition();
  consoleWindow_ = createFittedWindow(0, kConsoleWindowClass, "Console", kConsoleStyle, at.x,
                                      at.y, kConsoleWidth, kConsoleHeight, window_, nullptr,
                                      instance_, nullptr, false);
  paintConsole();
}

void GameView::showConsoleForLevel() {
  if (!model_->hasDescription()) {
    closeConsole();
  } else if (!IsWindow(consoleWindow_)) {
    openConsole();
  } else {
    const POINT at = consolePosition();
    SetWindowPos(consoleWindow_, nullptr, at.x, at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    paintConsole();
  }
}

void GameView::showDescription() {
  if (!model_->hasDescription()) return;
  if (IsWindow(consoleWindow_)) {
    SetWindowPos(consoleWindow_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  } else {
    openConsole();
  }
  SetFocus(window_);
}

void GameView::closeConsole() {
  // A stale handle (the user closed the window) is harmless: IsWindow says so.
  if (IsWindow(consoleWindow_)) DestroyWindow(consoleWindow_);
}

void GameView::paintConsole() {
  if (!model_->hasDescription() || !IsWindow(consoleWindow_)) return;
  RECT rect{};
  GetClientRect(consoleWindow_, &rect);
  HDC dc = GetDC(consoleWindow_);
  if (!dc) return;
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  InflateRect(&rect, -kConsoleMargin, -kConsoleMargin);
  SetTextColor(dc, kConsoleTextColour);
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ previousFont = SelectObject(dc, textFont_);
  const std::string text = model_->description();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_WORDBREAK);
  SelectObject(dc, previousFont);
  ReleaseDC(consoleWindow_, dc);
}

bool consoleTakesKey(HWND console, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_KEYDOWN && message != WM_KEYUP) return false;
  if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
    // Read and done with: the window goes, and the owner takes the
    // keyboard again.
    if (message == WM_KEYDOWN) {
      HWND owner = GetWindow(console, GW_OWNER);
      DestroyWindow(console);
      if (IsWindow(owner)) SetActiveWindow(owner);
    }
    return true;
  }
  // The keys of play: a click on the description never stops the game.
  if (HWND owner = GetWindow(console, GW_OWNER)) SendMessageA(owner, message, wParam, lParam);
  return true;
}

}  // namespace trelux
