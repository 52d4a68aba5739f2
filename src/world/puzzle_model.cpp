#include "world/puzzle_model.h"

#include "world/light.h"
#include "world/objects.h"

namespace trelux {

PuzzleModel::PuzzleModel() = default;
PuzzleModel::~PuzzleModel() = default;

void PuzzleModel::refresh() { refreshLight(grid_); }

bool PuzzleModel::loadSet(const std::string& path) { return set_.open(path); }

// A level that cannot be read leaves the level shown and the set's current
// level as they were, so what is saved next still lands on the level shown.
bool PuzzleModel::goToLevel(int32_t index) {
  const int32_t shown = set_.currentLevel();
  if (!set_.seekLevel(index) || !set_.readLevel(grid_)) {
    if (shown >= 0) set_.seekLevel(shown);
    return false;
  }
  robot_ = grid_.start();
  robotDirection_ = kNorth;
  refresh();
  return true;
}

bool PuzzleModel::canReadLevel(int32_t index) {
  const int32_t shown = set_.currentLevel();
  LevelGrid level;
  const bool read = set_.seekLevel(index) && set_.readLevel(level);
  if (shown >= 0) set_.seekLevel(shown);
  return read;
}

std::string PuzzleModel::description() const { return grid_.description(); }

bool PuzzleModel::hasDescription() const { return grid_.hasDescription(); }

bool PuzzleModel::robotInLight() const {
  return grid_.cell(robot_.x, robot_.y).carriesLight();
}

bool PuzzleModel::isInterior(int32_t x, int32_t y) const {
  return grid_.inBounds(x, y) && x > 0 && x < gridWidth() - 1 && y > 0 && y < gridHeight() - 1;
}

namespace {

// The coloured lasers' pictures: four directions per colour, from red on.
constexpr int32_t kColouredLaserTiles = 104;

}  // namespace

int32_t PuzzleModel::boardTileAt(int32_t x, int32_t y) const {
  const GridObject& object = grid_.cell(x, y);
  const auto* laser = dynamic_cast<const Laser*>(&object);
  const Colour colour = laser ? laser->colour() & 7 : 0;
  if (colour == 0) return object.tileIndex();
  return kColouredLaserTiles + 4 * (colour - 1) + (laser->direction() & 3);
}

}  // namespace trelux
