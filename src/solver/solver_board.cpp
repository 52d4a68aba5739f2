#include "solver/solver_board.h"

#include <algorithm>
#include <map>

#include "world/level_grid.h"
#include "world/light.h"

namespace trelux {

SolverBoard::SolverBoard(LevelGrid& grid) : grid_(grid), width_(grid.width()), height_(grid.height()) {
  const auto cells = static_cast<size_t>(width_) * static_cast<size_t>(height_);
  ground_.assign(cells, false);
  neighbours_.assign(cells * 4, -1);
  occupant_.assign(cells, -1);
  words_ = static_cast<uint32_t>((cells + kWordBits - 1) / kWordBits);
  // Objects in order of their codes, so identical ones sit side by side.
  std::multimap<std::pair<ObjectKind, int>, int32_t> objects;
  for (int32_t y = 0; y < height_; ++y) {
    for (int32_t x = 0; x < width_; ++x) {
      const GridObject& object = grid.cell(x, y);
      const int32_t index = cellIndex({x, y});
      const bool pushable = isPushable(object.movability());
      ground_[static_cast<size_t>(index)] = pushable || !isOccupying(object.movability());
      if (pushable) objects.insert({{object.code().kind, object.code().attribute.value_or(0)}, index});
      if (object.kind() == ObjectKind::Sensor) sensors_.push_back(static_cast<const Sensor*>(&object));
      for (Direction d : kDirections) {
        const Position next = step({x, y}, d);
        if (grid.inBounds(next.x, next.y)) neighbours_[static_cast<size_t>(index) * 4 + d] = cellIndex(next);
      }
    }
  }
  objectCount_ = objects.size();
  if (tooManyObjects()) return;
  std::pair<ObjectKind, int> previous{ObjectKind::Floor, -1};
  for (const auto& [code, index] : objects) {
    const int group = code == previous ? groups_.back() : static_cast<int>(groups_.size());
    previous = code;
    occupant_[static_cast<size_t>(index)] = static_cast<int16_t>(groups_.size());
    groups_.push_back(group);
    codes_.push_back(grid.cell(index % width_, index / width_).code());
    start_.push_back(static_cast<uint16_t>(index));
  }
  placed_ = start_;
}

bool Arrangement::operator==(const Arrangement& other) const {
  return count_ == other.count_ && std::equal(begin(), end(), other.begin());
}

bool SolverBoard::isGround(Position p) const {
  if (p.x < 0 || p.y < 0 || p.x >= width_ || p.y >= height_) return false;
  return ground_[static_cast<size_t>(cellIndex(p))];
}

void SolverBoard::normalise(Arrangement& a) const {
  size_t begin = 0;
  while (begin < a.size()) {
    size_t end = begin + 1;
    while (end < a.size() && groups_[end] == groups_[begin]) ++end;
    if (end - begin > 1) std::sort(a.begin() + begin, a.begin() + end);
    begin = end;
  }
}

// Each object in turn is swapped into its target cell; whatever stood there
// (floor, or an object still to be placed) takes the object's old cell.
// Targets are distinct, so an object once placed is never moved again.
void SolverBoard::arrange(const Arrangement& target) {
  for (size_t i = 0; i < target.size(); ++i) {
    const uint16_t from = placed_[i];
    const uint16_t to = target[i];
    if (from == to) continue;
    grid_.swapCells(positionOf(from), positionOf(to));
    const int16_t other = occupant_[to];
    occupant_[from] = other;
    if (other >= 0) placed_[static_cast<size_t>(other)] = from;
    occupant_[to] = static_cast<int16_t>(i);
    placed_[i] = to;
  }
}

bool SolverBoard::allSensorsLit() const {
  return !sensors_.empty() &&
         std::all_of(sensors_.begin(), sensors_.end(), [](const Sensor* sensor) { return sensor->isLit(); });
}

bool SolverBoard::computeLight(const Arrangement& arrangement, BitWord* lit) {
  arrange(arrangement);
  refreshLight(grid_);
  for (int32_t y = 0; y < height_; ++y) {
    for (int32_t x = 0; x < width_; ++x) {
      if (!grid_.cell(x, y).carriesLight()) continue;
      const auto index = static_cast<uint32_t>(cellIndex({x, y}));
      lit[index / kWordBits] |= BitWord{1} << (index % kWordBits);
    }
  }
  return allSensorsLit();
}

}  // namespace trelux
