#include "installer/win32/installer_screens.h"

#include "installer/win32/environment_text.h"
#include "installer/win32/installer_messages.h"
#include "installer/win32/installer_state.h"

namespace trelux {
namespace {

constexpr int kBackgroundSize = 400;
constexpr COLORREF kInstallingColour = RGB(255, 255, 0);

struct Control {
  const char* className;
  const char* text;
  int id;
  int x, y, width, height;
};

const Control kNotInstalled[] = {
    {"button", "Install", kInstallButton, 125, 200, 150, 35},
    {"button", "Quit", kQuitButton, 125, 300, 150, 35},
};
const Control kInstalled[] = {
    {"button", "Play", kPlayButton, 125, 200, 150, 35},
    {"button", "Uninstall", kUninstallButton, 125, 250, 150, 35},
    {"button", "Quit", kQuitButton, 125, 300, 150, 35},
};
const Control kChooseDirectory[] = {
    {"edit", nullptr, kDirectoryEdit, 25, 210, 350, 25},
    {"button", "Install", kInstallHereButton, 250, 275, 100, 35},
    {"button", "Cancel", kCancelButton, 250, 325, 100, 35},
};

BOOL CALLBACK destroyChild(HWND child, LPARAM) {
  DestroyWindow(child);
  return TRUE;
}

void createControl(const Control& control) {
  Installer& state = installer();
  const bool edit = control.id == kDirectoryEdit;
  // The edit scrolls, so a directory longer than the field can be typed.
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (edit ? ES_AUTOHSCROLL : BS_PUSHBUTTON);
  // The default shown as the folder it names on this machine.
  const std::string shown = edit ? expandEnvironment(state.texts.directory) : control.text;
  HWND window = CreateWindowExA(edit ? WS_EX_CLIENTEDGE : 0, control.className, shown.c_str(), style,
                                control.x, control.y, control.width, control.height,
                                state.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                state.instance, nullptr);
  if (state.font) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
  if (edit) {
    // Only 259 characters are taken; the field takes no more. Selected, the
    // default gives way to whatever the player types.
    SendMessageA(window, EM_LIMITTEXT, MAX_PATH - 1, 0);
    SetFocus(window);
    SendMessageA(window, EM_SETSEL, 0, -1);
  }
}

template <size_t N>
void createControls(const Control (&controls)[N]) {
  for (const Control& control : controls) createControl(control);
}

// Drawn once over the background; nothing redraws it, and nothing needs to,
// since the installation holds the window until it ends.
void drawInstallingText() {
  Installer& state = installer();
  HDC dc = GetDC(state.window);
  RECT client{};
  GetClientRect(state.window, &client);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, kInstallingColour);
  HGDIOBJ oldFont = state.font ? SelectObject(dc, state.font) : nullptr;
  DrawTextA(dc, kInstallingText, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (oldFont) SelectObject(dc, oldFont);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
  ReleaseDC(state.window, dc);
}

}  // namespace

void drawBackground(HDC dc) {
  BitBlt(dc, 0, 0, kBackgroundSize, kBackgroundSize, installer().backgroundDc, 0, 0, SRCCOPY);
}

void showScreen(int screen) {
  Installer& state = installer();
  EnumChildWindows(state.window, destroyChild, 0);
  state.screen = screen;
  RedrawWindow(state.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  switch (screen) {
    case ScreenNotInstalled: createControls(kNotInstalled); break;
    case ScreenInstalled: createControls(kInstalled); break;
    case ScreenChooseDirectory: createControls(kChooseDirectory); break;
    case ScreenInstalling: drawInstallingText(); break;
  }
}

}  // namespace trelux
