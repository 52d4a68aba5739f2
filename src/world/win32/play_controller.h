// The play screen's controller: arrow keys move the robot, a won level
// offers "Next Level" (Enter and Space press it too), D shows the level's
// description again, and the commands restart, skip, go to a level reached
// before and show help; undo,
// redo, the moves and hints are its aids (play_aids.h).
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/win32/screens.h"
#include "world/play_session.h"
#include "world/win32/play_aids.h"
#include "world/win32/view_effects.h"

namespace trelux {

class GameView;
class PlayModel;

class PlayController : public ScreenController {
 public:
  PlayController(PlayModel& model, GameView& view);
  ~PlayController() override;

  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  // The screen's first level is up and running.
  void levelStarted();
  void showNextLevelButton();
  // May the player leave the current level for level (0-based)?
  bool askSkipTo(int32_t level);

  bool codeAccepted() const { return session_.codeAccepted(); }
  HWND nextLevelButton() const { return nextLevelButton_; }
  const PlayAids& aids() const { return aids_; }

 private:
  void onKey(WPARAM key, LPARAM flags);
  void onCommand(HWND window, int id);
  // A key of play, and what the aids make of it.
  void playKey(WPARAM key);
  void goToNextLevel();
  void destroyNextLevelButton();
  void showSetCompleted();
  void restartLevel();
  void skipLevel(HWND window);
  // Ctrl+G: the levels reached, each with its best; the one chosen starts.
  void chooseLevel();
  // A new level is up: the aids start afresh and the window follows it.
  void showNewLevel();
  void showLoadFailed();

  PlayModel& model_;
  GameView& view_;
  ViewEffects effects_;
  PlaySession session_;
  PlayAids aids_;
  HWND nextLevelButton_ = nullptr;
  HFONT buttonFont_ = nullptr;
};

// Shows the level's description again when it has one.
inline constexpr WPARAM kShowDescriptionKey = 'D';

}  // namespace trelux
