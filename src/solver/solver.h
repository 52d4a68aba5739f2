// A shortest solution of a level in key presses (turns count), by breadth-
// first search over the robot's cell and direction and the arrangement of
// the pushable objects, under the play rules of SolverRules.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "world/direction.h"

namespace trelux {

class LevelGrid;

struct SolveLimits {
  // Distinct states the search may hold (each costs about 13 bytes, and each
  // arrangement of the objects a few hundred more).
  uint64_t maxStates = 30'000'000;
  // A search on a worker thread: another thread sets cancel to end it early
  // (it then ends Cancelled), and may read statesSeen while it runs.
  const std::atomic<bool>* cancel = nullptr;
  std::atomic<uint64_t>* statesSeen = nullptr;
  // False: the robot may stand in light, as if zaps were switched off. The
  // length of that solution against the real one shows how much of a level
  // is walking round beams rather than arranging them.
  bool zaps = true;
};

// Levels beyond these the search refuses: more objects would take more states
// than it could hold in any case.
constexpr size_t kMaxSolverObjects = 13;
constexpr int32_t kMaxSolverCells = 512;

enum class SolveOutcome {
  Solved,         // keys is a shortest solution
  NoSolution,     // every reachable state was searched: the level cannot be won
  LimitReached,   // no solution among the first maxStates states
  Unsupported,    // the level has more objects than the search can pack
  Cancelled,      // the caller's cancel flag ended the search
  Failed,         // the search itself went wrong: nothing is known of the level
};

struct SolveResult {
  SolveOutcome outcome = SolveOutcome::NoSolution;
  std::string keys;          // U D L R, as trelux-tool replay takes them
  uint64_t states = 0;       // distinct states reached
  uint64_t arrangements = 0; // light passes: distinct object arrangements
  uint32_t depth = 0;        // keys of the deepest level searched in full
  bool startsWon = false;    // complete before any key: any one key wins
  // NoSolution found without a search: why no position can ever be won.
  std::string reason;
};

// The grid holds the level. The search works on a copy of it, made and
// ended on the calling thread, so the grid is left as it was, its sensors'
// counts included. It reads the grid while it copies it: a search on a
// worker thread takes a grid no other thread changes (findHint makes one).
// From the level's start: the robot on the grid's start cell facing north.
SolveResult solveLevel(const LevelGrid& grid, const SolveLimits& limits);
// From any position of play: the robot on its cell facing direction, the
// objects where the grid has them now.
SolveResult solveFrom(const LevelGrid& grid, Position robot, Direction direction, const SolveLimits& limits);

}  // namespace trelux
