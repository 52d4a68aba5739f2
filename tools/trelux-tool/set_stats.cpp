#include "set_stats.h"

#include "world/level_grid.h"

namespace trelux::tool {

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
