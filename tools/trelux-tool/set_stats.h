// Facts about a level file that the tool reports.
#pragma once

#include <cstdint>
#include <string>

namespace trelux {
class LevelGrid;
class PuzzleSetFile;
}  // namespace trelux

namespace trelux::tool {

// Live levels of the set: seeks 0, 1, 2, ... until one fails.
int32_t countLevels(PuzzleSetFile& set);

struct LevelCounts {
  int32_t sensors = 0;
  int32_t lasers = 0;
};
LevelCounts countObjects(const LevelGrid& grid);

}  // namespace trelux::tool
