#include "app/win32/screens.h"

#include "app/win32/main_menu.h"
#include "app/win32/screen_objects.h"
#include "app/win32/shell.h"
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

void ScreenView::paint() {
  HDC dc = GetDCEx(window_, nullptr, DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
  if (!dc) return;
  draw(dc);
  ReleaseDC(window_, dc);
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
