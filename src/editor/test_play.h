// The editor's test play: the level as it stands on the board, played by
// the game's own rules on a model of its own, so the edited level stays
// exactly as it was. A found solution can be played back key by key.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "world/play_model.h"
#include "world/play_rules.h"

namespace trelux {

class PlayEffects;

class TestPlayModel : public PlayModel {
 public:
  // The level of the snapshot, the robot at its start facing north, running.
  bool startLevel(const std::string& snapshot);
};

class TestPlay {
 public:
  // Starts playing the snapshot; false when it holds no level.
  bool start(const std::string& snapshot);
  void stop();
  bool isActive() const { return model_ != nullptr; }
  PlayModel& model() { return *model_; }

  // Runs a play key (the arrows and space); true when it won the level.
  bool key(PlayKey key, PlayEffects& effects);
  // The play keys taken so far, the winning one included.
  int32_t keysUsed() const { return keysUsed_; }

  // Keys to play back (U D L R S, as the solver writes them).
  void queueKeys(std::string keys);
  bool isPlayingBack() const { return next_ < queued_.size(); }
  // The next key of the playback, or nothing when it is over.
  std::optional<PlayKey> nextQueuedKey();

 private:
  std::unique_ptr<TestPlayModel> model_;
  int32_t keysUsed_ = 0;
  std::string queued_;
  size_t next_ = 0;
};

// What the editor says when test play won the level with that many keys.
std::string wonReport(int32_t keys);

}  // namespace trelux
