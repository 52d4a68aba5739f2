#include "editor/level_snapshot.h"

#include <sstream>

#include "world/level_codec.h"
#include "world/level_grid.h"

namespace trelux {

std::string snapshotLevel(const LevelGrid& grid) {
  std::ostringstream out(std::ios::binary);
  writeLevelContent(out, grid);
  return out.str();
}

bool restoreLevel(std::string_view snapshot, LevelGrid& grid) {
  std::istringstream in(std::string(snapshot), std::ios::binary);
  return grid.read(in);
}

}  // namespace trelux
