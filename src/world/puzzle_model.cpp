#include "world/puzzle_model.h"

#include "world/light.h"
#include "world/objects.h"

namespace trelux {

PuzzleModel::PuzzleModel() = default;
PuzzleModel::~PuzzleModel() = default;

void PuzzleModel::refresh() { refreshLight(grid_); }

bool PuzzleModel::loadSet(const std::string& path) { return set_.open(path); }

bool PuzzleModel::goToLevel(int32_t index) {
  if (!set_.seekLevel(index) || !set_.readLevel(grid_)) return false;
  robot_ = grid_.start();
  robotDirection_ = kNorth;
  refresh();
  return true;
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
