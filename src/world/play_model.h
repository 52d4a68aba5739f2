// The play screen's model: the robot's moves on the grid, and whether a level
// is being played (keys count only while it is).
#pragma once

#include <cstdint>
#include <string>

#include "world/puzzle_model.h"

namespace trelux {

class PlayModel : public PuzzleModel {
 public:
  bool loadSet(const std::string& path) override;
  bool isRunning() const override { return running_; }
  void startRunning() { running_ = true; }
  void stopRunning() { running_ = false; }

  bool isOccupied(int32_t x, int32_t y) const;
  bool moveRobotTo(int32_t x, int32_t y);
  void setRobotDirection(Direction direction) { robotDirection_ = direction; }
  bool canPush() const;
  bool canPull() const;
  // Callers check canPush / canPull first.
  bool push();
  bool pull();

  bool isLevelComplete() const;
  uint8_t savedProgress() const { return set_.progress(); }
  bool recordProgress(uint8_t value) { return set_.setProgress(value); }

 private:
  Position ahead() const { return step(robot_, robotDirection_); }
  Position behind() const { return step(robot_, opposite(robotDirection_)); }

  bool running_ = false;
};

}  // namespace trelux
