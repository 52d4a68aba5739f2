#include "editor/level_order.h"

#include "editor/editor_model.h"
#include "puzzles/puzzle_set_file.h"
#include "world/level_grid.h"

namespace trelux {
namespace {

bool readAt(PuzzleSetFile& set, int32_t index, LevelGrid& grid) {
  return set.seekLevel(index) && set.readLevel(grid);
}

bool writeAt(PuzzleSetFile& set, int32_t index, const LevelGrid& grid) {
  return set.seekLevel(index) && set.writeLevel(grid);
}

bool copyLevel(PuzzleSetFile& set, int32_t from, int32_t to) {
  LevelGrid grid;
  return readAt(set, from, grid) && writeAt(set, to, grid);
}

}  // namespace

// The new record is the set's last; the levels after the original move one
// record down to make room for the copy.
bool duplicateLevel(EditorModel& model) {
  if (!model.commitLevel()) return false;
  PuzzleSetFile& set = model.puzzleSet();
  const int32_t original = set.currentLevel();
  if (!set.appendLevel()) return false;
  for (int32_t to = set.currentLevel(); to > original; --to)
    if (!copyLevel(set, to - 1, to)) return false;
  return model.goToLevel(original + 1);
}

LevelMove moveLevel(EditorModel& model, int32_t by) {
  if (!model.commitLevel()) return LevelMove::Failed;
  PuzzleSetFile& set = model.puzzleSet();
  const int32_t from = set.currentLevel();
  const int32_t to = from + by;
  LevelGrid moving, other;
  if (to < 0 || !readAt(set, to, other)) {
    // The failed look left the file elsewhere; the level shown stays current.
    return set.seekLevel(from) ? LevelMove::AtEdge : LevelMove::Failed;
  }
  if (!readAt(set, from, moving) || !writeAt(set, to, moving) || !writeAt(set, from, other))
    return LevelMove::Failed;
  return model.goToLevel(to) ? LevelMove::Moved : LevelMove::Failed;
}

}  // namespace trelux
