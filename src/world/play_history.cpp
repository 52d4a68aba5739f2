#include "world/play_history.h"

#include <algorithm>
#include <utility>

#include "world/play_model.h"

namespace trelux {

namespace {

Position positionOf(const LevelGrid& grid, int32_t cell) { return {cell % grid.width(), cell / grid.width()}; }

}  // namespace

PlayPosition capturePlayPosition(const PlayModel& model) {
  PlayPosition position{model.robotPosition(), model.robotDirection(), {}, 0};
  const LevelGrid& grid = model.grid();
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) {
      const GridObject& object = grid.cell(x, y);
      if (isPushable(object.movability())) position.objects.push_back({y * grid.width() + x, object.code()});
    }
  }
  return position;
}

// Objects already in their target cells stay; each other target takes an
// object of its kind that is not, by exchanging cells with it. What stood
// in the target (floor, or an object still to be placed) takes the old cell.
bool restorePlayPosition(PlayModel& model, const PlayPosition& position) {
  LevelGrid& grid = model.grid();
  std::vector<PlacedObject> loose = capturePlayPosition(model).objects;
  std::vector<PlacedObject> targets;
  for (const PlacedObject& target : position.objects) {
    const auto same = std::find(loose.begin(), loose.end(), target);
    if (same != loose.end()) {
      loose.erase(same);
    } else {
      targets.push_back(target);
    }
  }
  if (loose.size() != targets.size()) return false;
  // Which loose object goes to each target, decided before anything moves.
  std::vector<size_t> source(targets.size());
  std::vector<bool> taken(loose.size(), false);
  for (size_t t = 0; t < targets.size(); ++t) {
    size_t s = 0;
    while (s < loose.size() && (taken[s] || loose[s].code != targets[t].code)) ++s;
    if (s == loose.size()) return false;
    taken[s] = true;
    source[t] = s;
  }
  for (size_t t = 0; t < targets.size(); ++t) {
    const int32_t from = loose[source[t]].cell;
    const int32_t to = targets[t].cell;
    grid.swapCells(positionOf(grid, from), positionOf(grid, to));
    for (PlacedObject& other : loose) {
      if (other.cell == to) other.cell = from;
    }
    loose[source[t]].cell = to;
  }
  model.moveRobotTo(position.robot.x, position.robot.y);
  model.setRobotDirection(position.direction);
  model.refresh();
  return true;
}

void PlayHistory::start(PlayPosition position) {
  positions_.clear();
  positions_.push_back(std::move(position));
  current_ = 0;
}

void PlayHistory::record(PlayPosition position) {
  positions_.resize(current_ + 1);
  positions_.push_back(std::move(position));
  ++current_;
}

}  // namespace trelux
