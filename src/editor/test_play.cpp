#include "editor/test_play.h"

#include <string>
#include <utility>

#include "editor/level_snapshot.h"

namespace trelux {

bool TestPlayModel::startLevel(const std::string& snapshot) {
  stopRunning();
  if (!restoreLevel(snapshot, grid_)) return false;
  robot_ = grid_.start();
  robotDirection_ = kNorth;
  refresh();
  startRunning();
  return true;
}

bool TestPlay::start(const std::string& snapshot) {
  auto model = std::make_unique<TestPlayModel>();
  if (!model->startLevel(snapshot)) return false;
  model_ = std::move(model);
  keysUsed_ = 0;
  queued_.clear();
  next_ = 0;
  return true;
}

void TestPlay::stop() {
  model_.reset();
  queued_.clear();
  next_ = 0;
}

bool TestPlay::key(PlayKey key, PlayEffects& effects) {
  if (!model_ || !model_->isRunning() || key == PlayKey::Other) return false;
  ++keysUsed_;
  return handlePlayKey(*model_, key, effects);
}

void TestPlay::queueKeys(std::string keys) {
  queued_ = std::move(keys);
  next_ = 0;
}

std::optional<PlayKey> TestPlay::nextQueuedKey() {
  if (!isPlayingBack()) return std::nullopt;
  switch (queued_[next_++]) {
    case 'U': return PlayKey::Up;
    case 'D': return PlayKey::Down;
    case 'L': return PlayKey::Left;
    case 'R': return PlayKey::Right;
    case 'S': return PlayKey::Space;
    default: return PlayKey::Other;
  }
}

std::string wonReport(int32_t keys) {
  return "Level won with " + std::to_string(keys) + (keys == 1 ? " key." : " keys.");
}

}  // namespace trelux
