// A shortest solution of a level in key presses (turns count), by breadth-
// first search over the robot's cell and direction and the cells of the
// pushable objects, under the play rules of SolverRules.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace trelux {

class LevelGrid;

struct SolveLimits {
  // Distinct states the search may hold (each costs about 40 bytes).
  uint64_t maxStates = 30'000'000;
  // A search on a worker thread: another thread sets cancel to end it early
  // (it then ends Cancelled), and may read statesSeen while it runs.
  const std::atomic<bool>* cancel = nullptr;
  std::atomic<uint64_t>* statesSeen = nullptr;
};

// The search packs a state into 128 bits: 9 bits of robot cell, 2 of
// direction and 9 per object.
constexpr size_t kMaxSolverObjects = 13;

enum class SolveOutcome {
  Solved,         // keys is a shortest solution
  NoSolution,     // every reachable state was searched: the level cannot be won
  LimitReached,   // no solution among the first maxStates states
  Unsupported,    // the level has more objects than the search can pack
  Cancelled,      // the caller's cancel flag ended the search
};

struct SolveResult {
  SolveOutcome outcome = SolveOutcome::NoSolution;
  std::string keys;          // U D L R, as trelux-tool replay takes them
  uint64_t states = 0;       // distinct states reached
  uint64_t arrangements = 0; // light passes: distinct object arrangements
  uint32_t depth = 0;        // keys of the deepest level searched in full
};

// The grid holds the level; the search moves its objects about.
SolveResult solveLevel(LevelGrid& grid, const SolveLimits& limits);

}  // namespace trelux
