// Hints during play: the next key of a shortest solution from where the
// robot stands, as the solver finds it. The position is copied on the thread
// that plays; the search builds a grid of its own from the copy, so it may
// run on a worker thread while the game's grid goes on changing.
//
// Every move can be taken back by another (a push by a pull, a step and a
// turn by their opposites), so a position reached by play can be won
// exactly when its level can: "cannot be won" is the answer of levels
// that never could.
#pragma once

#include <cstdint>
#include <string>

#include "solver/solver.h"
#include "world/direction.h"
#include "world/play_rules.h"

namespace trelux {

class LevelGrid;

struct HintPosition {
  std::string level;  // the level's content, its objects where they stand now
  Position robot;
  Direction direction = kNorth;
};

HintPosition capturePosition(const LevelGrid& grid, Position robot, Direction direction);

enum class HintAnswer {
  Key,           // press key: keysToWin keys win from here, and no fewer
  AlreadyWon,    // every sensor is lit now
  CannotBeWon,   // no keys win from here
  LimitReached,  // no win within the search's limit of states
  Cancelled,     // the caller's cancel flag ended the search
  Unsupported,   // more objects or cells than the solver takes
  Failed,        // the search went wrong
};

struct Hint {
  HintAnswer answer = HintAnswer::CannotBeWon;
  PlayKey key = PlayKey::Other;
  uint32_t keysToWin = 0;
  // The whole shortest way from here (U D L R), key first: while the player
  // follows it, the next hints need no search.
  std::string solution;
  uint64_t states = 0;  // what the search looked at
  // CannotBeWon seen without a search: why the level never can be.
  std::string reason;
};

// Any thread may call it; the grid it builds lives and ends on that thread.
Hint findHint(const HintPosition& position, const SolveLimits& limits);

// The rest of a hint's solution while the player follows it: each key of a
// shortest solution changes the board in one way only, so after the hinted
// key has changed the board the next key is the solution's next, with no
// search. Any other key that changes the board, and undo, redo or a
// restart (clear), leave the trail.
class HintTrail {
 public:
  void start(const Hint& hint);
  void clear() { keys_.clear(); }
  // After each key; changedBoard when it turned, stepped, pushed or pulled.
  void keyPressed(PlayKey key, bool changedBoard);
  bool isOn() const { return !keys_.empty(); }
  // The next key, when on the trail.
  PlayKey next() const;
  uint32_t keysToWin() const { return static_cast<uint32_t>(keys_.size()); }

 private:
  std::string keys_;  // still to press, next last
};

}  // namespace trelux
