#include "editor/win32/editor_toolbar.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

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
// The line under the palette that names the selected tool.
constexpr int kNameHeight = 18;
constexpr int kToolbarHeight = kPaletteHeight + kNameHeight;

}  // namespace

EditorToolbar::~EditorToolbar() { destroy(); }

void EditorToolbar::destroy() {
  HWND window = window_;
  window_ = nullptr;
  nameLabel_ = nullptr;
  if (IsWindow(tooltips_)) DestroyWindow(tooltips_);
  tooltips_ = nullptr;
  tools_.clear();
  if (IsWindow(window)) DestroyWindow(window);
  if (stripBrush_) DeleteObject(stripBrush_);
  stripBrush_ = nullptr;
}

bool EditorToolbar::create(HWND owner, HINSTANCE instance) {
  RECT main{};
  GetWindowRect(owner, &main);
  const int x = main.right;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kToolbarHeight) >> 1;
  HMENU menu = LoadMenuA(instance, "editor_menu");
  window_ = createFittedWindow(0, kControlWindowClass, kToolbarTitle, kToolbarStyle, x, y,
                               kPaletteWidth, kToolbarHeight, owner, menu, instance, nullptr,
                               true);
  if (!window_) {
    // A menu given to a window that was never made belongs to nobody.
    if (menu) DestroyMenu(menu);
    return false;
  }
  stripBrush_ = CreateSolidBrush(kStripColour);
  createButtons(instance);
  nameLabel_ = CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
                               0, kPaletteHeight, kPaletteWidth, kNameHeight, window_, nullptr,
                               instance, nullptr);
  SendMessageA(nameLabel_, WM_SETFONT,
               reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  createTooltips(instance);
  selectionChanged();
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

void EditorToolbar::createTooltips(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  tooltips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              window_, nullptr, instance, nullptr);
  if (!tooltips_) return;
  for (size_t i = 0; i < tools_.size(); ++i) {
    std::string name = toolName(tools_[i].tool);
    TOOLINFOA picture{};
    picture.cbSize = TTTOOLINFOA_V2_SIZE;
    picture.uFlags = TTF_SUBCLASS;
    picture.hwnd = window_;
    picture.uId = i;
    picture.rect = {tools_[i].tool.x, tools_[i].tool.y, tools_[i].tool.x + kPalettePictureSize,
                    tools_[i].tool.y + kPalettePictureSize};
    picture.lpszText = name.data();
    SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&picture));
    TOOLINFOA button = picture;
    button.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    button.uId = reinterpret_cast<UINT_PTR>(tools_[i].button);
    SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&button));
  }
}

// The toolbar stays where it is, so the palette never moves under the mouse,
// unless the main window has grown over it.
void EditorToolbar::followMainWindow(HWND owner) {
  // Beside a maximized window is off the screen: the toolbar stays over it.
  if (!exists() || IsZoomed(owner)) return;
  RECT main{}, own{}, overlap{};
  GetWindowRect(owner, &main);
  GetWindowRect(window_, &own);
  if (!IntersectRect(&overlap, &main, &own)) return;
  SetWindowPos(window_, nullptr, main.right, own.top, 0, 0,
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

void EditorToolbar::selectionChanged() {
  InvalidateRect(window_, nullptr, FALSE);
  const PaletteTool* selected = selectedTool();
  SetWindowTextA(nameLabel_, selected ? toolName(*selected).c_str() : "");
}

void EditorToolbar::selectAt(int x, int y) {
  std::vector<PaletteTool> palette;
  for (const ToolButton& tool : tools_) palette.push_back(tool.tool);
  const int32_t chosen = toolAt(palette, x, y);
  if (chosen < 0) return;
  for (size_t i = 0; i < tools_.size(); ++i)
    SendMessageA(tools_[i].button, BM_SETCHECK,
                 static_cast<int32_t>(i) == chosen ? BST_CHECKED : BST_UNCHECKED, 0);
  selectionChanged();
}

LRESULT EditorToolbar::colourButton(HDC dc) {
  SetBkColor(dc, kStripColour);
  SetTextColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(stripBrush_);
}

}  // namespace trelux
