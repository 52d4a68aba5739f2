// The editor screen's controller: messages of the main window and of the
// toolbar become calls on the editor's session, dialogs and messages show
// what it answers. The main window shows the level being edited; the
// toolbar beside it holds the menu and the palette of tools.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "app/win32/screens.h"
#include "editor/edit_history.h"
#include "editor/editor_session.h"
#include "editor/test_play.h"
#include "editor/win32/editor_toolbar.h"
#include "world/win32/view_effects.h"

namespace trelux {

class EditorModel;
class GameView;

class EditorController : public ScreenController {
 public:
  EditorController(EditorModel& model, GameView& view);
  ~EditorController() override;

  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // Asks about unsaved edits; false keeps the editor open.
  bool canClose() override;

  // Called by the shell once the first level is shown.
  void createToolbar();
  HWND toolbar() const { return toolbar_.window(); }
  HWND toolbarNameLabel() const { return toolbar_.nameLabel(); }
  bool modified() const { return session_.modified(); }
  bool isTestPlaying() const { return testPlay_.isActive(); }

  // The new-puzzle-set command; true when a new set was created and opened.
  bool newPuzzleSet();
  // Opens a set the chooser gave, at its first level; false when it cannot
  // be read.
  bool openSet(const std::string& levelFile, const std::string& descriptor,
               const std::string& folder);
  // The go-to command after its commit; false when the set has no such level.
  bool goToLevelDialog();

 private:
  // ---- editor_controller.cpp: messages, placing, steps and saving
  void onToolbarMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void onCommand(int command);
  void runCommand(int command);
  // What a command of the editor's menu or keys does; empty for any other.
  std::function<void()> commandAction(int command);
  void onClick(LPARAM lParam);
  void showLevel();
  bool commit();
  void leaveWithMessage(const char* text);
  // The working copy could not be written: the set may be corrupted.
  void leaveAfterWriteFailure();
  // A step or an added level failed, the level shown still in its place:
  // unsaved edits are asked about before the editor leaves.
  void leaveOfferingSave(const char* text);
  void save();
  void step(EditorSession::Step result);

  // ---- editor_commands.cpp: the commands with dialogs and questions
  bool ask(const char* question, UINT buttons);
  void open();
  void deleteSet();
  void resize();
  void clearLevel();
  void editDescription();
  void toggleDescription();
  void editCode();
  void goToLevel();
  void addLevel();
  void deleteLevel();

  // ---- editor_editing.cpp: strokes of the mouse, undo, levels reordered
  static std::optional<EditHistory::Scope> editScope(int command);
  void beginStroke(const PaletteTool& tool, LPARAM lParam);
  void continueStroke(LPARAM lParam);
  void endStroke();
  void undoOrRedo(bool redo);
  void duplicateLevel();
  void moveLevel(int32_t by);

  // ---- editor_title.cpp: the main window's title
  const std::string& setName();
  void showTitle();

  // ---- editor_trials.cpp: test play and Solve
  void startTestPlay(std::string solution = {});
  void endTestPlay();
  void onTestPlayKey(WPARAM key);
  void playBackStep();
  void playKey(PlayKey key);
  void solve();

  // Steps the playback of a solution in test play.
  static constexpr UINT_PTR kPlaybackTimer = 1;

  EditorModel& model_;
  GameView& view_;
  EditorSession session_;
  EditHistory history_;
  // A press of a mouse button on the board, until it is let go.
  struct Stroke {
    bool active = false;
    PaletteTool tool;
    Position last;
  };
  Stroke stroke_;
  EditorToolbar toolbar_;
  TestPlay testPlay_;
  ViewEffects effects_;
  bool commandRunning_ = false;
  // The title says "(saved)" from a save until the next edit.
  bool justSaved_ = false;
  std::string titleDescriptor_;
  std::string titleName_;
};

}  // namespace trelux
