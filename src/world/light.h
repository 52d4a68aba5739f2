// Recomputes all light of a grid from scratch: every side mark and every
// sensor's state. Called after every change of the grid.
#pragma once

namespace trelux {

class LevelGrid;

void refreshLight(LevelGrid& grid);
// True when every sensor of the grid is lit. A level without sensors is
// never complete.
bool isLevelComplete(const LevelGrid& grid);

}  // namespace trelux
