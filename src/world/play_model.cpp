#include "world/play_model.h"

#include "world/light.h"

namespace trelux {

bool PlayModel::loadSet(const std::string& path) {
  if (running_) return false;
  return PuzzleModel::loadSet(path);
}

bool PlayModel::isOccupied(int32_t x, int32_t y) const {
  return isOccupying(grid_.cell(x, y).movability());
}

bool PlayModel::moveRobotTo(int32_t x, int32_t y) {
  if (isOccupied(x, y)) return false;
  robot_ = {x, y};
  return true;
}

// Only one object moves at a time: the cell beyond it must be free.
bool PlayModel::canPush() const {
  const Position front = ahead();
  const Position beyond = step(front, robotDirection_);
  return isPushable(grid_.cell(front.x, front.y).movability()) && !isOccupied(beyond.x, beyond.y);
}

bool PlayModel::canPull() const {
  const Position front = ahead();
  const Position back = behind();
  return isPushable(grid_.cell(front.x, front.y).movability()) && !isOccupied(back.x, back.y);
}

bool PlayModel::push() {
  const Position front = ahead();
  grid_.swapCells(front, step(front, robotDirection_));
  moveRobotTo(front.x, front.y);
  refresh();
  return true;
}

bool PlayModel::pull() {
  const Position back = behind();
  grid_.swapCells(ahead(), robot_);
  moveRobotTo(back.x, back.y);
  refresh();
  return true;
}

bool PlayModel::isLevelComplete() const { return trelux::isLevelComplete(grid_); }

}  // namespace trelux
