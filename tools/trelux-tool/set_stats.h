// Facts about a level file that the tool reports.
#pragma once

#include <cstdint>
#include <string>

namespace trelux {
class LevelGrid;
}  // namespace trelux

namespace trelux::tool {

struct LevelCounts {
  int32_t sensors = 0;
  int32_t lasers = 0;
  int32_t lenses = 0;
  int32_t mirrors = 0;
  int32_t tMirrors = 0;
};
LevelCounts countObjects(const LevelGrid& grid);

}  // namespace trelux::tool
