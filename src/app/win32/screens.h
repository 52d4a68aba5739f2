// Screens: the main menu, the play screen and the editor. Each is a model,
// a view and a controller owned by the shell. Screens never switch at once:
// requestScreen records the wish and the message loop applies it once the
// queue is drained, so a handler may go on using its objects until it
// returns.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "gfx/win32/bitmap_holder.h"

namespace trelux {

class PuzzleModel;

enum ScreenId : int32_t {
  ScreenNone = 0,
  ScreenMainMenu = 1,
  ScreenPlay = 2,
  ScreenEditor = 3,
  ScreenQuit = 4,
};

class ScreenController {
 public:
  virtual ~ScreenController() = default;
  // Every message of the main window and of control-class child windows.
  virtual LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Asked when the main window is about to close.
  virtual bool canClose() { return true; }
};

class ScreenView {
 public:
  ScreenView(HWND window, HINSTANCE instance) : window_(window), instance_(instance) {}
  virtual ~ScreenView() { image_.release(); }
  ScreenView(const ScreenView&) = delete;
  ScreenView& operator=(const ScreenView&) = delete;

  HWND window() const { return window_; }
  HINSTANCE instance() const { return instance_; }

  // Sizes and shows the main window for this screen.
  virtual void layout() = 0;
  // Draws the whole screen into dc.
  virtual void draw(HDC dc) = 0;
  // Draws through a device context of the view's own.
  virtual void paint();

 protected:
  HWND window_;
  HINSTANCE instance_;
  BitmapHolder image_;
};

// Screen construction fails by throwing the text to show in a box titled
// "Error!"; the shell then goes back to the main menu.
struct ScreenError {
  std::string text;
};

void requestScreen(ScreenId id);
void applyScreenRequest();
void destroyScreen();

ScreenId currentScreen();
ScreenId requestedScreen();
ScreenController* currentController();
ScreenView* currentView();
PuzzleModel* currentModel();

// Builders of the two puzzle screens; false when the user cancelled, and a
// return to the main menu has then been requested.
bool startPlayScreen();
bool startEditorScreen();

}  // namespace trelux
