#include "app/win32/main_menu.h"

#include "app/startup_files.h"
#include "app/win32/options_dialog.h"
#include "app/win32/shell.h"
#include "app/win32/window_fitting.h"
#include "download/win32/downloader.h"
#include "resources/win32/resource_ids.h"

namespace trelux {
namespace {

constexpr int kButtonWidth = 150;
constexpr int kButtonHeight = 35;
constexpr int kButtonFontHeight = 18;
constexpr DWORD kMenuWindowStyle = WS_BORDER | WS_SYSMENU;

// Faces tried in order; the first one the system can make wins.
const char* const kButtonFontFaces[] = {"Courier New", "Courier", "Monospace", "Fixedsys"};

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
  createButtonFont();
  for (HWND button :
       {newGameButton_, getPuzzlesButton_, levelEditorButton_, optionsButton_, quitButton_}) {
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_), FALSE);
    ShowWindow(button, SW_SHOW);
  }
}

void MainMenuView::createButtons() {
  const int rowHeight = image_.height() / 5;
  const int top = (rowHeight - kButtonHeight) >> 1;
  const int left = (image_.width() - kButtonWidth) >> 1;
  auto rowY = [&](int row) { return top + row * rowHeight; };
  newGameButton_ = createButton(window_, instance_, "New Game", IDC_NEW_GAME, left, rowY(0));
  getPuzzlesButton_ =
      createButton(window_, instance_, "Get Puzzles", IDC_GET_PUZZLES, left, rowY(1));
  levelEditorButton_ =
      createButton(window_, instance_, "Level Editor", IDC_LEVEL_EDITOR, left, rowY(2));
  optionsButton_ = createButton(window_, instance_, "Options", IDC_OPTIONS, left, rowY(3));
  quitButton_ = createButton(window_, instance_, "Quit", IDC_QUIT, left, rowY(4));
}

void MainMenuView::createButtonFont() {
  for (const char* face : kButtonFontFaces) {
    buttonFont_ = CreateFontA(kButtonFontHeight, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, face);
    if (buttonFont_) return;
  }
}

MainMenuView::~MainMenuView() {
  for (HWND button :
       {newGameButton_, levelEditorButton_, quitButton_, optionsButton_, getPuzzlesButton_}) {
    DestroyWindow(button);
  }
  if (buttonFont_) DeleteObject(buttonFont_);
}

void MainMenuView::layout() {
  ShowWindow(window_, SW_HIDE);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  MoveWindow(window_, (screenWidth - image_.width()) >> 1, (screenHeight - image_.height()) >> 1,
             0, 0, FALSE);
  fitClientArea(window_, image_.width(), image_.height(), false, kMenuWindowStyle, 0);
  ShowWindow(window_, SW_SHOW);
}

void MainMenuView::draw(HDC dc) {
  BitBlt(dc, 0, 0, image_.width(), image_.height(), image_.dc(), 0, 0, SRCCOPY);
}

LRESULT MainMenuController::handleMessage(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
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
