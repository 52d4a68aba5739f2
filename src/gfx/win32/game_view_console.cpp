// The description window ("Console"): the level's description in yellow on
// black, beside the puzzle, never over it: it opens beside the main window
// on the same screen, or where the player last put it. The user may close
// it; the next level brings it back.
#include <optional>
#include <string>

#include "app/startup_files.h"
#include "app/win32/window_classes.h"
#include "app/win32/window_fitting.h"
#include "base/text.h"
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

// The window's outer size: the client area, the caption the system adds
// and the border.
SIZE consoleOuterSize() {
  RECT frame{0, 0, kConsoleWidth, kConsoleHeight};
  AdjustWindowRectEx(&frame, kConsoleStyle | WS_CAPTION, FALSE, 0);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

bool onSomeScreen(POINT corner, SIZE size) {
  const POINT last{corner.x + size.cx - 1, corner.y + size.cy - 1};
  return MonitorFromPoint(corner, MONITOR_DEFAULTTONULL) &&
         MonitorFromPoint(last, MONITOR_DEFAULTTONULL);
}

// Where the player put the window, while that place is still on a screen.
std::optional<POINT> chosenCorner(SIZE size) {
  const std::string x = setting(kConsoleXKey), y = setting(kConsoleYKey);
  if (x.empty() || y.empty()) return std::nullopt;
  const POINT corner{parseLeadingInt(x), parseLeadingInt(y)};
  if (!onSomeScreen(corner, size)) return std::nullopt;
  return corner;
}

bool fits(POINT corner, SIZE size, const RECT& work) {
  return corner.x >= work.left && corner.y >= work.top && corner.x + size.cx <= work.right &&
         corner.y + size.cy <= work.bottom;
}

// Beside the main window on its screen: to its right, its left, below or
// above it, the first that fits; on a screen too small for any, below it
// as far as the screen allows.
POINT besideCorner(HWND main, SIZE size) {
  RECT window{};
  GetWindowRect(main, &window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const POINT tries[4] = {{window.right, window.top},
                          {window.left - size.cx, window.top},
                          {window.left, window.bottom},
                          {window.left, window.top - size.cy}};
  for (const POINT& corner : tries)
    if (fits(corner, size, work)) return corner;
  POINT corner = tries[2];
  if (corner.x + size.cx > work.right) corner.x = work.right - size.cx;
  if (corner.y + size.cy > work.bottom) corner.y = work.bottom - size.cy;
  if (corner.x < work.left) corner.x = work.left;
  if (corner.y < work.top) corner.y = work.top;
  return corner;
}

}  // namespace

POINT GameView::consoleCorner() const {
  const SIZE size = consoleOuterSize();
  return chosenCorner(size).value_or(besideCorner(window_, size));
}

void GameView::openConsole() {
  closeConsole();
  // Created at (x, y), the window's frame starts where the style says, a
  // border's width up and left of it.
  RECT styled{0, 0, kConsoleWidth, kConsoleHeight};
  AdjustWindowRectEx(&styled, kConsoleStyle, FALSE, 0);
  const POINT corner = consoleCorner();
  placingConsole_ = true;
  consoleWindow_ = createFittedWindow(0, kConsoleWindowClass, "Console", kConsoleStyle,
                                      corner.x - styled.left, corner.y - styled.top,
                                      kConsoleWidth, kConsoleHeight, window_, nullptr, instance_,
                                      nullptr, false);
  placingConsole_ = false;
  paintConsole();
}

void GameView::showConsoleForLevel() {
  if (!model_->hasDescription()) {
    closeConsole();
  } else if (!IsWindow(consoleWindow_)) {
    if (!editing_) openConsole();
  } else {
    // The main window may have changed its size: beside it again.
    const POINT corner = consoleCorner();
    placingConsole_ = true;
    SetWindowPos(consoleWindow_, nullptr, corner.x, corner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placingConsole_ = false;
    paintConsole();
  }
}

void GameView::consoleMoved(const WINDOWPOS& position) {
  constexpr UINT kNotAMove = SWP_NOMOVE | SWP_HIDEWINDOW | SWP_SHOWWINDOW;
  if (placingConsole_ || (position.flags & kNotAMove) || !IsWindowVisible(consoleWindow_)) return;
  if (position.hwnd != consoleWindow_) return;
  // Moved by the player: later descriptions open there, in later games too.
  RECT outer{};
  GetWindowRect(consoleWindow_, &outer);
  changeSetting(kConsoleXKey, std::to_string(outer.left));
  changeSetting(kConsoleYKey, std::to_string(outer.top));
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

bool GameView::toggleDescription() {
  if (IsWindow(consoleWindow_)) {
    closeConsole();
    return true;
  }
  if (!model_->hasDescription()) return false;
  showDescription();
  return true;
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
