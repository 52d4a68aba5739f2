#include "set_stats.h"

#include "puzzles/puzzle_set_file.h"
#include "world/level_grid.h"

namespace trelux::tool {

int32_t countLevels(PuzzleSetFile& set) {
  int32_t count = 0;
  while (set.seekLevel(count)) ++count;
  return count;
}

LevelCounts countObjects(const LevelGrid& grid) {
  LevelCounts counts;
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) {
      const ObjectKind kind = grid.cell(x, y).kind();
      if (kind == ObjectKind::Sensor) ++counts.sensors;
      if (kind == ObjectKind::Laser) ++counts.lasers;
    }
  }
  return counts;
}

}  // namespace trelux::tool
