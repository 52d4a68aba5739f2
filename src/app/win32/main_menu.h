// The main menu: the backdrop picture with five buttons in the five rows of
// its height. The keyboard works it too: Tab, Shift+Tab and the arrow keys
// move the focus from button to button, Enter and Space press the focused
// one.
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

  // Gives the keyboard back to the button that had it last (at first "New
  // Game"), as when the window is activated again after a dialog.
  void focusButton();
  HWND focusedButton() const { return focusedButton_; }

 protected:
  void placeWindow() override;
  // The buttons and their font follow the picture's scale.
  void placeChildren() override;

 private:
  void createButtons();
  // The button of row r, in the backdrop's pixels.
  RECT buttonRect(int row) const;
  // The focus moves by step rows, round the ends.
  void moveFocus(HWND from, int step);
  static LRESULT CALLBACK buttonKeys(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR view);

  HWND newGameButton_ = nullptr;
  HWND levelEditorButton_ = nullptr;
  HWND quitButton_ = nullptr;
  HWND optionsButton_ = nullptr;
  HWND getPuzzlesButton_ = nullptr;
  HFONT buttonFont_ = nullptr;
  int fontZoom_ = 1;
  HWND focusedButton_ = nullptr;
};

class MainMenuController : public ScreenController {
 public:
  explicit MainMenuController(MainMenuView& view) : view_(view) {}
  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  MainMenuView& view_;
};

}  // namespace trelux
