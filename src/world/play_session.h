// The rules of one play screen over a puzzle set: keys while a level runs,
// what a win records, what "Next Level" leads to, restarts, and the
// completion code that guards skipping ahead; the moves made in the level,
// their undo and redo, and the level's best. The Windows controller only
// shows what these answers ask for: the button, the boxes, the code dialog.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "puzzles/best_moves.h"
#include "world/play_history.h"
#include "world/play_rules.h"

namespace trelux {

class PlayEffects;
class PlayModel;

// The longest code the skip dialog takes.
inline constexpr int32_t kEnteredCodeLength = 19;

class PlaySession {
 public:
  // Bests go to bestsFile (a test's own file; the game's is kBestsFile).
  explicit PlaySession(PlayModel& model, std::string bestsFile = kBestsFile)
      : model_(model), bests_(std::move(bestsFile)) {}

  // Runs the key. True when it won the level: the model has stopped and the
  // set's progress now names the level after the one won, whatever it held;
  // lastWin() tells the moves and whether they are the level's new best.
  // A key that turned, stepped, pushed or pulled is a move; a zapped move,
  // taken back, and a key that changed nothing are not.
  bool handleKey(PlayKey key, PlayEffects& effects);

  // Moves within the level being played, while it is played: undo takes
  // the last move (or restart) back, redo makes it again; a new move drops
  // what could have been redone. Another level starts a new history. Each
  // redraws what changed and answers whether anything did.
  bool canUndo() const;
  bool canRedo() const;
  bool undo(PlayEffects& effects);
  bool redo(PlayEffects& effects);
  // Moves of the level so far: undo lowers them, redo raises them, a
  // restart sets them to 0.
  int32_t moves() const;
  // The fewest moves with which the level being played was ever won.
  std::optional<int32_t> best();

  struct Win {
    int32_t moves = 0;
    std::optional<int32_t> previousBest;
    bool newBest = false;  // no best before, or fewer moves now
  };
  const Win& lastWin() const { return lastWin_; }

  enum class Advance {
    NextLevelStarted,  // the following level is up and running
    SetCompleted,      // that was the last level; the set's code, if any, is due
    LoadFailed,        // the following level could not be read
  };
  // What "Next Level" does, also when a skip sends it.
  Advance advance();

  // Go to Level: leaves the level being played, won or not, and starts
  // level (0-based) afresh; false when it cannot be read.
  bool goTo(int32_t level);

  // A restart is offered only while a level is played and not yet won.
  bool canRestart() const;
  // Reads the current level again and plays it from its start; undo
  // brings back the position before.
  void restart();

  // May the player leave for level (0-based) without entering the code?
  // Sets without a code, levels up to the stored progress and a screen on
  // which the code was once entered need none.
  bool skipNeedsCode(int32_t level) const;
  // Compares the entered text, cut to the dialog's 19 characters, with the
  // set's code in any letter case; right once, right for the whole screen.
  bool enterCode(const std::string& entered);
  // Stops the level being left by a skip. The skip's key (Ctrl+Right)
  // arrives after it as a plain Right that turns the new level's robot to
  // the east: that turn is part of the level's start, not a move, and undo
  // does not take it back.
  void stopForSkip();

  bool codeAccepted() const { return codeAccepted_; }

 private:
  // The history belongs to the level being played; a new level starts one.
  void followLevel();
  bool moveTo(const PlayPosition& position, PlayEffects& effects);
  LevelIdentity identity() const;

  PlayModel& model_;
  bool codeAccepted_ = false;
  bool skipping_ = false;       // a skip is leaving the level
  bool skipTurnDue_ = false;    // the next Right belongs to the level's start
  PlayHistory history_;
  int32_t historyLevel_ = -1;
  BestMoves bests_;
  bool bestRead_ = false;  // the file is read once per level
  std::optional<int32_t> best_;
  Win lastWin_;
};

}  // namespace trelux
