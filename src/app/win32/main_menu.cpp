#include "app/win32/main_menu.h"

#include <commctrl.h>

#include <array>

#include "app/startup_files.h"
#include "app/win32/button_font.h"
#include "app/win32/options_dialog.h"
#include "app/win32/shell.h"
#include "download/win32/downloader.h"
#include "resources/win32/resource_ids.h"

namespace trelux {
namespace {

constexpr int kButtonWidth = 150;
constexpr int kButtonHeight = 35;
constexpr DWORD kMenuWindowStyle = WS_BORDER | WS_SYSMENU;
constexpr UINT_PTR kButtonKeysId = 1;

// The buttons from top to bottom, the order the focus moves in.
constexpr std::array<int, 5> kRows = {IDC_NEW_GAME, IDC_GET_PUZZLES, IDC_LEVEL_EDITOR, IDC_OPTIONS,
                                      IDC_QUIT};

HWND createButton(HWND parent, HINSTANCE instance, const char* caption, int id, int x, int y) {
  return CreateWindowExA(0, "button", caption, WS_CHILD, x, y, kButtonWidth, kButtonHeight,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                         nullptr);
}

}  // namespace

MainMenuView::MainMenuView(const char* bitmapName, HWND window, HINSTANCE instance)
    : ScreenView(window, instance) {
  image_.load(resourceLibrary, bitmapName);  // a missing backdrop is not reported
  layout();
  createButtons();
  buttonFont_ = createButtonFont();
  for (HWND button :
       {newGameButton_, getPuzzlesButton_, levelEditorButton_, optionsButton_, quitButton_}) {
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_), FALSE);
    SetWindowSubclass(button, buttonKeys, kButtonKeysId, reinterpret_cast<DWORD_PTR>(this));
    ShowWindow(button, SW_SHOW);
  }
  placeChildren();
  // The focus is always shown, not only once the keyboard has been used.
  SendMessageA(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  focusButton();
}

RECT MainMenuView::buttonRect(int row) const {
  const int rowHeight = image_.height() / 5;
  const int top = (rowHeight - kButtonHeight) >> 1;
  const int left = (image_.width() - kButtonWidth) >> 1;
  return {left, top + row * rowHeight, left + kButtonWidth, top + row * rowHeight + kButtonHeight};
}

void MainMenuView::createButtons() {
  const int left = buttonRect(0).left;
  auto rowY = [&](int row) { return static_cast<int>(buttonRect(row).top); };
  newGameButton_ = createButton(window_, instance_, "New Game", IDC_NEW_GAME, left, rowY(0));
  getPuzzlesButton_ =
      createButton(window_, instance_, "Get Puzzles", IDC_GET_PUZZLES, left, rowY(1));
  levelEditorButton_ =
      createButton(window_, instance_, "Level Editor", IDC_LEVEL_EDITOR, left, rowY(2));
  optionsButton_ = createButton(window_, instance_, "Options", IDC_OPTIONS, left, rowY(3));
  quitButton_ = createButton(window_, instance_, "Quit", IDC_QUIT, left, rowY(4));
}

void MainMenuView::focusButton() {
  SetFocus(IsWindow(focusedButton_) ? focusedButton_ : newGameButton_);
}

void MainMenuView::moveFocus(HWND from, int step) {
  const int id = GetDlgCtrlID(from);
  int row = 0;
  while (row < static_cast<int>(kRows.size()) && kRows[row] != id) ++row;
  const int count = static_cast<int>(kRows.size());
  SetFocus(GetDlgItem(window_, kRows[((row + step) % count + count) % count]));
}

// Space is the button's own (it presses on release); the rest is ours.
LRESULT CALLBACK MainMenuView::buttonKeys(HWND button, UINT message, WPARAM wParam,
                                          LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* view = reinterpret_cast<MainMenuView*>(data);
  if (message == WM_SETFOCUS) view->focusedButton_ = button;
  if (message == WM_KEYDOWN) {
    switch (wParam) {
      case VK_TAB: view->moveFocus(button, GetKeyState(VK_SHIFT) < 0 ? -1 : 1); return 0;
      case VK_DOWN:
      case VK_RIGHT: view->moveFocus(button, 1); return 0;
      case VK_UP:
      case VK_LEFT: view->moveFocus(button, -1); return 0;
      case VK_RETURN:
        // What a click sends.
        SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        return 0;
      default: break;
    }
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

MainMenuView::~MainMenuView() {
  for (HWND button :
       {newGameButton_, levelEditorButton_, quitButton_, optionsButton_, getPuzzlesButton_}) {
    RemoveWindowSubclass(button, buttonKeys, kButtonKeysId);
    DestroyWindow(button);
  }
  if (buttonFont_) DeleteObject(buttonFont_);
}

void MainMenuView::layout() { placeWindow(); }

void MainMenuView::placeWindow() {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  placePicture({image_.width(), image_.height()}, kMenuWindowStyle, [&](Extent scaled) {
    return POINT{(screenWidth - scaled.width) >> 1, (screenHeight - scaled.height) >> 1};
  });
}

void MainMenuView::placeChildren() {
  if (!newGameButton_) return;  // the first layout comes before the buttons
  const PictureScale& at = scale();
  for (int row = 0; row < static_cast<int>(kRows.size()); ++row) {
    const RECT rect = buttonRect(row);
    MoveWindow(GetDlgItem(window_, kRows[row]), at.left + rect.left * at.zoom,
               at.top + rect.top * at.zoom, kButtonWidth * at.zoom, kButtonHeight * at.zoom,
               TRUE);
  }
  if (at.zoom == fontZoom_) return;
  HFONT font = createButtonFont(at.zoom);
  if (!font) return;
  for (int id : kRows)
    SendMessageA(GetDlgItem(window_, id), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (buttonFont_) DeleteObject(buttonFont_);
  buttonFont_ = font;
  fontZoom_ = at.zoom;
}

void MainMenuView::draw(HDC dc) {
  BitBlt(dc, 0, 0, image_.width(), image_.height(), image_.dc(), 0, 0, SRCCOPY);
}

LRESULT MainMenuController::handleMessage(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  // The window gets the focus back when it is activated again (after the
  // options dialog, say); the button that had it takes it.
  if (message == WM_SETFOCUS) view_.focusButton();
  if (message == WM_COMMAND) {
    switch (LOWORD(wParam)) {
      case IDC_NEW_GAME: requestScreen(ScreenPlay); break;
      case IDC_GET_PUZZLES:
        runDownloader(view_.window(), view_.instance(), puzzleServerSetting());
        break;
      case IDC_LEVEL_EDITOR: requestScreen(ScreenEditor); break;
      case IDC_OPTIONS: showOptionsDialog(view_.instance(), view_.window()); break;
      case IDC_QUIT: requestScreen(ScreenQuit); break;
      default: break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace trelux
