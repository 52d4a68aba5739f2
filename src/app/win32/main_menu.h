// The main menu: the backdrop picture with five buttons in the five rows of
// its height.
#pragma once

#include <windows.h>

#include "app/win32/screens.h"

namespace trelux {

class MainMenuView : public ScreenView {
 public:
  MainMenuView(const char* bitmapName, HWND window, HINSTANCE instance);
  ~MainMenuView() override;

  void layout() override;
  void draw(HDC dc) override;

 private:
  void createButtons();
  void createButtonFont();

  HWND newGameButton_ = nullptr;
  HWND levelEditorButton_ = nullptr;
  HWND quitButton_ = nullptr;
  HWND optionsButton_ = nullptr;
  HWND getPuzzlesButton_ = nullptr;
  HFONT buttonFont_ = nullptr;
};

class MainMenuController : public ScreenController {
 public:
  explicit MainMenuController(MainMenuView& view) : view_(view) {}
  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  MainMenuView& view_;
};

}  // namespace trelux
