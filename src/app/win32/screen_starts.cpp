// Building the two puzzle screens: choose a set, make the model, the game
// view and the controller, open the set at its first level, show it.
#include <string>

#include "app/startup_files.h"
#include "app/win32/screen_objects.h"
#include "app/win32/screens.h"
#include "app/win32/shell.h"
#include "editor/editor_model.h"
#include "editor/win32/editor_controller.h"
#include "gfx/win32/game_view.h"
#include "puzzles/catalogue.h"
#include "puzzles/win32/chooser_dialog.h"
#include "world/play_model.h"
#include "world/win32/play_controller.h"

namespace trelux {
namespace {

constexpr const char* kTilesetName = "tileset.bmp";
constexpr const char* kTilesetError =
    "An error occurred trying to load the tileset.\nIf the problem persists, reinstall Trelux.";
constexpr const char* kLevelFileError =
    "Trelux couldn't process the level file for this puzzle set.  It may be corrupt or invalid.";
constexpr const char* kStartError = "Trelux couldn't begin running the puzzle.";
constexpr const char* kEditorLevelFileError =
    "Trelux couldn't locate the level file for this puzzle set.";

bool cancelled() {
  requestScreen(ScreenMainMenu);
  return false;
}

}  // namespace

bool startPlayScreen() {
  std::string levelFile, descriptorFile;
  if (!choosePuzzleSet(levelFile, programInstance, mainWindow, true, &descriptorFile))
    return cancelled();
  changeSetting(kLastSetKey, descriptorFile);  // offered first next time
  auto* model = new PlayModel();
  adoptModel(model);
  auto* view = new GameView(*model, mainWindow, programInstance);
  adoptView(view);
  auto* controller = new PlayController(*model, *view);
  adoptController(controller);

  if (!view->loadTileset(kTilesetName)) throw ScreenError{kTilesetError};
  if (!model->loadSet(levelFile)) throw ScreenError{kLevelFileError};
  if (!model->goToLevel(0)) throw ScreenError{kLevelFileError};
  model->startRunning();
  if (!model->isRunning()) throw ScreenError{kStartError};
  controller->levelStarted();
  view->layout();
  view->paint();
  return true;
}

bool startEditorScreen() {
  auto* model = new EditorModel();
  adoptModel(model);
  auto* view = new GameView(*model, mainWindow, programInstance);
  adoptView(view);
  auto* controller = new EditorController(*model, *view);
  adoptController(controller);

  // Without a set to edit the editor starts by making one; a set that could
  // not be made was reported by the command.
  if (!hasPuzzleSets(false)) {
    if (!controller->newPuzzleSet()) return cancelled();
  } else {
    std::string levelFile, descriptorFile, folder;
    if (!choosePuzzleSet(levelFile, programInstance, mainWindow, false, &descriptorFile, &folder))
      return cancelled();
    controller->openSet(levelFile, descriptorFile, folder);
  }

  if (!view->loadTileset(kTilesetName)) throw ScreenError{kTilesetError};
  if (!model->goToLevel(0)) throw ScreenError{kEditorLevelFileError};
  view->layout();
  view->paint();
  controller->createToolbar();
  return true;
}

}  // namespace trelux
