// The robot's moves over the solver's states, decided with the arrangement
// table's cached light instead of a live grid. They follow the play screen's
// key handling: a push or pull needs a pushable object ahead and a free cell
// beyond it (or behind the robot); otherwise a step needs a free cell; a
// step, push or pull that leaves the robot's cell lit is zapped and changes
// nothing; turns always succeed; the level is won when, after a key, every
// sensor is lit. Tests replay random key sequences through both these rules
// and the game's own moves and require the same robot, objects and wins
// after every key.
#pragma once

#include <cstdint>

#include "solver/arrangement_table.h"
#include "solver/solver_board.h"

namespace trelux {

struct SolverState {
  uint32_t arrangement = 0;  // in the rules' table
  int32_t robot = 0;         // cell index
  Direction direction = kNorth;
  bool operator==(const SolverState&) const = default;
};

enum class SolverKey : uint8_t { Up, Down, Left, Right };
constexpr const char* kSolverKeyLetters = "UDLR";

class SolverRules {
 public:
  // Without zaps a move into light is allowed (see SolveLimits::zaps).
  SolverRules(SolverBoard& board, ArrangementTable& table, bool zaps = true)
      : board_(board), table_(table), zaps_(zaps) {}

  // The robot on its cell facing direction, the objects where the board
  // found them.
  SolverState start(Position robot, Direction direction);
  // Puts the state after key into next and answers true; false, with next
  // equal to state, when the key changes nothing (blocked or zapped). Inline,
  // and without an optional to copy: the search calls it four times for
  // every state.
  bool apply(const SolverState& state, SolverKey key, SolverState& next) {
    next = state;
    switch (key) {
      case SolverKey::Up: return forward(next);
      case SolverKey::Down: return backward(next);
      case SolverKey::Left: next.direction = counterClockwise(state.direction); return true;
      case SolverKey::Right: next.direction = clockwise(state.direction); return true;
    }
    return false;
  }
  // The completion test that follows every key.
  bool isComplete(const SolverState& state) const { return table_.isComplete(state.arrangement); }

 private:
  bool isFree(uint32_t arrangement, int32_t cell) const {
    return cell >= 0 && board_.isGroundCell(cell) && !table_.isOccupied(arrangement, cell);
  }

  // Each takes the state before the move and leaves it as after it.
  bool stepTo(SolverState& s, int32_t cell) const {
    if (!isFree(s.arrangement, cell) || (zaps_ && table_.isLit(s.arrangement, cell))) return false;
    s.robot = cell;
    return true;
  }

  // The object on from moves one cell in direction d, the robot to robotTo.
  bool moveObject(SolverState& s, int32_t from, Direction d, int32_t robotTo) {
    const uint32_t id = table_.moved(s.arrangement, from, d);
    if (zaps_ && table_.isLit(id, robotTo)) return false;
    s.arrangement = id;
    s.robot = robotTo;
    return true;
  }

  // Only one object moves at a time: the cell beyond it must be free.
  bool forward(SolverState& s) {
    const int32_t ahead = board_.neighbour(s.robot, s.direction);
    if (ahead < 0 || !board_.isGroundCell(ahead)) return false;
    if (!table_.isOccupied(s.arrangement, ahead)) return stepTo(s, ahead);
    if (!isFree(s.arrangement, board_.neighbour(ahead, s.direction))) return false;
    return moveObject(s, ahead, s.direction, ahead);
  }

  bool backward(SolverState& s) {
    const int32_t behind = board_.neighbour(s.robot, opposite(s.direction));
    const int32_t ahead = board_.neighbour(s.robot, s.direction);
    const bool front = ahead >= 0 && table_.isOccupied(s.arrangement, ahead);
    if (front && isFree(s.arrangement, behind)) return moveObject(s, ahead, opposite(s.direction), behind);
    return stepTo(s, behind);
  }

  SolverBoard& board_;
  ArrangementTable& table_;
  bool zaps_;
};

}  // namespace trelux
