// The model behind the play and editor screens: one level's grid, the robot
// and the open puzzle set. PlayModel and EditorModel derive from it.
#pragma once

#include <cstdint>
#include <string>

#include "puzzles/puzzle_set_file.h"
#include "world/direction.h"
#include "world/level_grid.h"

namespace trelux {

class PuzzleModel {
 public:
  PuzzleModel();
  virtual ~PuzzleModel();
  PuzzleModel(const PuzzleModel&) = delete;
  PuzzleModel& operator=(const PuzzleModel&) = delete;

  virtual void refresh();
  virtual bool loadSet(const std::string& path);
  // Makes level index (0-based) of the open set current: the robot stands at
  // its start facing north and the light is computed.
  virtual bool goToLevel(int32_t index);
  // Whether level index reads whole; the level shown stays current.
  bool canReadLevel(int32_t index);
  virtual bool isRunning() const = 0;
  virtual std::string description() const;
  virtual bool hasDescription() const;

  int32_t gridWidth() const { return grid_.width(); }
  int32_t gridHeight() const { return grid_.height(); }
  int32_t tileAt(int32_t x, int32_t y) const { return grid_.cell(x, y).tileIndex(); }
  // The picture the board shows for the cell: its object's tile, but a
  // laser of a colour shows the coloured picture of the editor's palette,
  // so that its colour shows as every other coloured object's does, also
  // where no beam leaves it.
  int32_t boardTileAt(int32_t x, int32_t y) const;
  Colour sideLightAt(int32_t x, int32_t y, Direction side) const {
    return grid_.cell(x, y).light(side);
  }
  Position robotPosition() const { return robot_; }
  Direction robotDirection() const { return robotDirection_; }
  bool robotInLight() const;
  // The cells the editor lets the user change: inside the ring of walls.
  bool isInterior(int32_t x, int32_t y) const;
  int32_t currentLevel() const { return set_.currentLevel(); }
  bool hasCompletionCode() const { return set_.hasCompletionCode(); }
  std::string completionCode() const { return set_.completionCode(); }

  LevelGrid& grid() { return grid_; }
  const LevelGrid& grid() const { return grid_; }
  PuzzleSetFile& puzzleSet() { return set_; }
  const PuzzleSetFile& puzzleSet() const { return set_; }

 protected:
  LevelGrid grid_;
  Position robot_;
  Direction robotDirection_ = kNorth;
  PuzzleSetFile set_;
};

}  // namespace trelux
