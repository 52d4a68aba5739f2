// The moves made in one level, for undo and redo: the position after each
// (robot, direction, where each pushable object stands, the move count),
// from the level's start. A restart is one more position, the start again
// with no moves; undoing it brings back the position before it.
#pragma once

#include <cstdint>
#include <vector>

#include "world/direction.h"
#include "world/grid_object.h"

namespace trelux {

class PlayModel;

struct PlacedObject {
  int32_t cell = 0;  // y * width + x
  CellCode code;
  bool operator==(const PlacedObject&) const = default;
};

struct PlayPosition {
  Position robot;
  Direction direction = kNorth;
  std::vector<PlacedObject> objects;  // row by row
  int32_t moves = 0;
  // The same board; the move count aside.
  bool sameBoard(const PlayPosition& other) const {
    return robot == other.robot && direction == other.direction && objects == other.objects;
  }
};

// The model's robot and objects now; moves is left 0.
PlayPosition capturePlayPosition(const PlayModel& model);
// Puts the robot and the objects where position has them and recomputes the
// light. The objects move by exchanging cells, as pushes move them, so an
// object taken back by one undo is the same object. False, with nothing
// changed, when the position's objects are not the model's.
bool restorePlayPosition(PlayModel& model, const PlayPosition& position);

class PlayHistory {
 public:
  bool isEmpty() const { return positions_.empty(); }
  // Forgets everything and starts from position.
  void start(PlayPosition position);
  // Appends the position after a move or a restart, dropping what could
  // have been redone.
  void record(PlayPosition position);
  bool canUndo() const { return current_ > 0; }
  bool canRedo() const { return current_ + 1 < positions_.size(); }
  // Steps back or forward; the caller checks canUndo / canRedo first.
  const PlayPosition& undo() { return positions_[--current_]; }
  const PlayPosition& redo() { return positions_[++current_]; }
  const PlayPosition& current() const { return positions_[current_]; }

 private:
  std::vector<PlayPosition> positions_;
  size_t current_ = 0;
};

}  // namespace trelux
