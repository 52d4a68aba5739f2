#include "app/win32/screens.h"

#include "app/win32/main_menu.h"
#include "app/win32/screen_objects.h"
#include "app/win32/shell.h"
#include "app/win32/window_fitting.h"
#include "app/win32/window_zoom.h"
#include "world/puzzle_model.h"

namespace trelux {
namespace {

ScreenId requested = ScreenMainMenu;
ScreenId current = ScreenNone;
PuzzleModel* model = nullptr;
ScreenView* view = nullptr;
ScreenController* controller = nullptr;

void buildMainMenu() {
  auto* menuView = new MainMenuView("colors.bmp", mainWindow, programInstance);
  view = menuView;
  controller = new MainMenuController(*menuView);
}

}  // namespace

// What draw leaves as it was stays in the picture: a won board is not drawn
// again, and a paint then must not blank it.
void ScreenView::paint() {
  redraw([this](HDC dc) { draw(dc); });
}

void ScreenView::redraw(const std::function<void(HDC)>& drawPart) {
  HDC dc = GetDCEx(window_, nullptr, DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
  if (!dc) return;
  drawPart(back_.canvas(dc, picture_));
  back_.show(dc, scale_, clientExtent(window_));
  ReleaseDC(window_, dc);
}

void ScreenView::placePicture(Extent picture, DWORD style,
                              const std::function<POINT(Extent scaled)>& cornerFor) {
  picture_ = picture;
  style_ = style;
  const int32_t zoom = fittedZoom(wantedZoom(), largestZoom(picture, zoomRoom(window_, style)));
  const Extent scaled{picture.width * zoom, picture.height * zoom};
  if (IsZoomed(window_)) {
    scale_ = centredPicture(picture, zoom, clientExtent(window_));
  } else {
    scale_ = {zoom, 0, 0};
    const POINT corner = cornerFor(scaled);
    placeClientArea(window_, corner.x, corner.y, scaled.width, scaled.height, style);
  }
  placeChildren();
}

void ScreenView::stepZoom(int32_t step) {
  const int32_t largest = largestZoom(picture_, zoomRoom(window_, style_));
  const int32_t next = fittedZoom(scale_.zoom + step, largest);
  if (next == scale_.zoom) return;
  chooseZoom(next);
  refit();
}

void ScreenView::refit() {
  placeWindow();
  paint();
}

void requestScreen(ScreenId id) { requested = id; }
ScreenId currentScreen() { return current; }
ScreenId requestedScreen() { return requested; }
ScreenController* currentController() { return controller; }
ScreenView* currentView() { return view; }
PuzzleModel* currentModel() { return model; }

void adoptModel(PuzzleModel* newModel) { model = newModel; }
void adoptView(ScreenView* newView) { view = newView; }
void adoptController(ScreenController* newController) { controller = newController; }

void destroyScreen() {
  delete controller;
  controller = nullptr;
  delete view;
  view = nullptr;
  delete model;
  model = nullptr;
}

void applyScreenRequest() {
  if (requested == ScreenNone || requested == current) return;
  current = requested;
  destroyScreen();
  try {
    switch (requested) {
      case ScreenMainMenu: buildMainMenu(); break;
      case ScreenPlay:
        if (!startPlayScreen()) return;  // the menu request it made stays pending
        break;
      case ScreenEditor:
        if (!startEditorScreen()) return;
        break;
      case ScreenQuit: DestroyWindow(mainWindow); break;
      default: break;
    }
  } catch (const ScreenError& error) {
    // The half-built screen stays until the next pass replaces it.
    MessageBoxA(mainWindow, error.text.c_str(), "Error!", MB_ICONHAND);
    requestScreen(ScreenMainMenu);
    return;
  }
  requested = ScreenNone;
}

}  // namespace trelux
