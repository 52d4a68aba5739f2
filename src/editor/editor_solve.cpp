#include "editor/editor_solve.h"

#include <cstddef>
#include <utility>

#include "editor/level_snapshot.h"
#include "solver/search_guard.h"
#include "world/level_grid.h"

namespace trelux {

SolveResult solveSnapshot(const std::string& snapshot, const SolveLimits& limits) {
  return guardedSearch([&] {
    LevelGrid grid;
    if (!restoreLevel(snapshot, grid)) {
      SolveResult unreadable;
      unreadable.outcome = SolveOutcome::Unsupported;
      return unreadable;
    }
    return solveLevel(grid, limits);
  });
}

// A thread that cannot be started is a search that failed: the editor says
// so, and the edits stay.
SolveJob::SolveJob(std::string snapshot, uint64_t maxStates) {
  SolveResult failed;
  failed.outcome = SolveOutcome::Failed;
  worker_.start(
      [this, level = std::move(snapshot), maxStates](const std::atomic<bool>& cancel) {
        SolveLimits limits;
        limits.maxStates = maxStates;
        limits.cancel = &cancel;
        limits.statesSeen = &states_;
        return solveSnapshot(level, limits);
      },
      failed);
}

std::string groupedNumber(uint64_t value) {
  std::string digits = std::to_string(value);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<size_t>(at), ",");
  return digits;
}

std::string solveReport(const SolveResult& result, uint64_t maxStates) {
  switch (result.outcome) {
    case SolveOutcome::Solved: {
      const size_t keys = result.keys.size();
      return "Shortest solution: " + std::to_string(keys) + (keys == 1 ? " key" : " keys");
    }
    case SolveOutcome::NoSolution:
      if (!result.reason.empty()) return "This level has no solution: " + result.reason + ".";
      return "This level has no solution.";
    case SolveOutcome::LimitReached:
      return "The search stopped at its limit of " + groupedNumber(maxStates) +
             " positions without finding a solution.";
    case SolveOutcome::Unsupported:
      return "The solver can't search this level: it has more than " +
             std::to_string(kMaxSolverObjects) + " objects that can be moved.";
    case SolveOutcome::Failed:
      return "The solver ran into a problem and stopped.  The level is as it was.";
    case SolveOutcome::Cancelled: break;
  }
  return {};
}

}  // namespace trelux
