#include "editor/win32/editor_toolbar.h"

#include <algorithm>

#include "app/win32/window_classes.h"
#include "app/win32/window_fitting.h"
#include "gfx/win32/game_view.h"

namespace trelux {
namespace {

constexpr const char* kToolbarTitle = "Editor Toolbar";
constexpr DWORD kToolbarStyle = WS_BORDER;
constexpr DWORD kFirstButtonStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
// Darker than the tiles' floor, so each row of buttons reads as the strip
// under its pictures; the selected picture is framed in gold.
constexpr COLORREF kStripColour = RGB(30, 32, 38);
constexpr COLORREF kFrameColour = RGB(255, 196, 0);

}  // namespace

EditorToolbar::~EditorToolbar() { destroy(); }

void EditorToolbar::destroy() {
  HWND window = window_;
  window_ = nullptr;
  tools_.clear();
  if (IsWindow(window)) DestroyWindow(window);
  if (stripBrush_) DeleteObject(stripBrush_);
  stripBrush_ = nullptr;
}

bool EditorToolbar::create(HWND mainWindow, HINSTANCE instance) {
  RECT main{};
  GetWindowRect(mainWindow, &main);
  const int x = main.right;
  anchor_ = x;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kPaletteHeight) >> 1;
  HMENU menu = LoadMenuA(instance, "editor_menu");
  window_ = createFittedWindow(0, kControlWindowClass, kToolbarTitle, kToolbarStyle, x, y,
                               kPaletteWidth, kPaletteHeight, mainWindow, menu, instance, nullptr,
                               true);
  if (!window_) {
    // A menu given to a window that was never made belongs to nobody.
    if (menu) DestroyMenu(menu);
    return false;
  }
  stripBrush_ = CreateSolidBrush(kStripColour);
  createButtons(instance);
  ShowWindow(window_, SW_SHOW);
  return true;
}

// One radio group: the first button starts it and starts checked, so
// exactly one tool is selected at any time.
void EditorToolbar::createButtons(HINSTANCE instance) {
  for (const PaletteTool& tool : makePalette()) {
    const bool first = tools_.empty();
    HWND button = CreateWindowExA(0, "button", "", first ? kFirstButtonStyle : kButtonStyle,
                                  tool.x, tool.y + kPalettePictureSize, kPalettePictureSize,
                                  kPaletteButtonHeight, window_, nullptr, instance, nullptr);
    if (first) SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    tools_.push_back({button, tool});
  }
}

void EditorToolbar::followMainWindow(HWND mainWindow) {
  if (!exists()) return;
  RECT main{}, own{};
  GetWindowRect(mainWindow, &main);
  GetWindowRect(window_, &own);
  const int moved = main.right - anchor_;
  anchor_ = main.right;
  SetWindowPos(window_, nullptr, own.left + moved, own.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

const PaletteTool* EditorToolbar::selectedTool() const {
  for (const ToolButton& tool : tools_)
    if (SendMessageA(tool.button, BM_GETCHECK, 0, 0) == BST_CHECKED) return &tool.tool;
  return nullptr;
}

void EditorToolbar::paint(GameView& view) {
  PAINTSTRUCT paint;
  BeginPaint(window_, &paint);
  EndPaint(window_, &paint);
  HDC dc = GetDC(window_);
  fillEmptyCells(dc);
  for (const ToolButton& tool : tools_) view.drawTileAt(tool.tool.x, tool.tool.y, tool.tool.tile, dc);
  if (const PaletteTool* selected = selectedTool()) {
    HBRUSH frame = CreateSolidBrush(kFrameColour);
    const RECT picture{selected->x, selected->y, selected->x + kPalettePictureSize,
                       selected->y + kPalettePictureSize};
    FrameRect(dc, &picture, frame);
    DeleteObject(frame);
  }
  ReleaseDC(window_, dc);
}

// The cells without a tool take the strips' colour, not the window's black.
void EditorToolbar::fillEmptyCells(HDC dc) {
  for (int32_t column = 0; column < kPaletteColumns; ++column) {
    for (int32_t row = 0; row < kPaletteRows; ++row) {
      const int32_t x = column * kPaletteCellWidth, y = row * kPaletteCellHeight;
      const bool used = std::any_of(tools_.begin(), tools_.end(), [&](const ToolButton& tool) {
        return tool.tool.x == x && tool.tool.y == y;
      });
      const RECT cell{x, y, x + kPaletteCellWidth, y + kPaletteCellHeight};
      if (!used) FillRect(dc, &cell, stripBrush_);
    }
  }
}

void EditorToolbar::selectionChanged() { InvalidateRect(window_, nullptr, FALSE); }

LRESULT EditorToolbar::colourButton(HDC dc) {
  SetBkColor(dc, kStripColour);
  SetTextColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(stripBrush_);
}

}  // namespace trelux
