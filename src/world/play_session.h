// The rules of one play screen over a puzzle set: keys while a level runs,
// what a win records, what "Next Level" leads to, restarts, and the
// completion code that guards skipping ahead. The Windows controller only
// shows what these answers ask for: the button, the boxes, the code dialog.
#pragma once

#include <cstdint>
#include <string>

#include "world/play_rules.h"

namespace trelux {

class PlayEffects;
class PlayModel;

// The longest code the skip dialog takes.
inline constexpr int32_t kEnteredCodeLength = 19;

class PlaySession {
 public:
  explicit PlaySession(PlayModel& model) : model_(model) {}

  // Runs the key. True when it won the level: the model has stopped and the
  // set's progress now names the level after the one won, whatever it held.
  bool handleKey(PlayKey key, PlayEffects& effects);

  enum class Advance {
    NextLevelStarted,  // the following level is up and running
    SetCompleted,      // that was the last level; the set's code, if any, is due
    LoadFailed,        // the following level could not be read
  };
  // What "Next Level" does, also when a skip sends it.
  Advance advance();

  // A restart is offered only while a level is played and not yet won.
  bool canRestart() const;
  // Reads the current level again and plays it from its start.
  void restart();

  // May the player leave for level (0-based) without entering the code?
  // Sets without a code, levels up to the stored progress and a screen on
  // which the code was once entered need none.
  bool skipNeedsCode(int32_t level) const;
  // Compares the entered text, cut to the dialog's 19 characters, with the
  // set's code in any letter case; right once, right for the whole screen.
  bool enterCode(const std::string& entered);
  // Stops the level being left by a skip.
  void stopForSkip();

  bool codeAccepted() const { return codeAccepted_; }

 private:
  PlayModel& model_;
  bool codeAccepted_ = false;
};

}  // namespace trelux
