#include "set_stats.h"

#include "world/level_grid.h"

namespace trelux::tool {

LevelCounts countObjects(const LevelGrid& grid) {
  LevelCounts counts;
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) {
      switch (grid.cell(x, y).kind()) {
        case ObjectKind::Sensor: ++counts.sensors; break;
        case ObjectKind::Laser: ++counts.lasers; break;
        case ObjectKind::Lens: ++counts.lenses; break;
        case ObjectKind::Mirror: ++counts.mirrors; break;
        case ObjectKind::TMirror: ++counts.tMirrors; break;
        default: break;
      }
    }
  }
  return counts;
}

}  // namespace trelux::tool
