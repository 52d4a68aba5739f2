// Screens: the main menu, the play screen and the editor. Each is a model,
// a view and a controller owned by the shell. Screens never switch at once:
// requestScreen records the wish and the message loop applies it once the
// queue is drained, so a handler may go on using its objects until it
// returns.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "app/win32/back_picture.h"
#include "app/zoom.h"
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
  // Draws the whole screen into its picture and shows it.
  virtual void paint();

  // Where the picture lies in the window and at which factor; mouse
  // positions go back to the picture's pixels through it.
  const PictureScale& scale() const { return scale_; }
  // Ctrl+Plus (1) and Ctrl+Minus (-1): the next factor, within what fits.
  void stepZoom(int32_t step);
  // The factor wanted changed (the window was maximized or restored): the
  // window and the picture follow.
  virtual void refit();

 protected:
  // Moves and sizes the window for the picture at the factor wanted, as
  // far as it fits; the view's part of layout that a new factor repeats.
  virtual void placeWindow() = 0;
  // Sizes the window for a picture of size picture at the factor that fits:
  // a maximized window keeps its size and centres the picture, else the
  // client area becomes the scaled picture, its top-left corner where
  // cornerFor says for that size. style is what placeClientArea takes.
  void placePicture(Extent picture, DWORD style,
                    const std::function<POINT(Extent scaled)>& cornerFor);
  // Child windows that follow the scale (buttons); after every placing.
  virtual void placeChildren() {}
  // Draws part of the picture with drawPart and shows the picture again.
  void redraw(const std::function<void(HDC)>& drawPart);
  // The picture's size at 1x, as placed last.
  Extent picture() const { return picture_; }

  HWND window_;
  HINSTANCE instance_;
  BitmapHolder image_;

 private:
  PictureScale scale_;
  Extent picture_{};
  DWORD style_ = 0;
  BackPicture back_;
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
