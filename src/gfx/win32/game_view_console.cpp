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

void GameView::openConsole() {
  closeConsole();
  RECT main{};
  GetWindowRect(window_, &main);
  const int x = main.left + ((main.right - main.left - kConsoleWidth) >> 1);
  const int y = main.top + ((main.bottom - main.top - kConsoleHeight) >> 1);
  consoleWindow_ = createFittedWindow(0, kConsoleWindowClass, "Console", kConsoleStyle, x, y,
                                      kConsoleWidth, kConsoleHeight, window_, nullptr, instance_,
                                      nullptr, false);
  paintConsole();
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

}  // namespace trelux
