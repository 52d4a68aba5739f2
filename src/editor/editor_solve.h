// The editor's Solve: the solver runs on a copy of the level as it stands,
// on a thread of its own, so the board stays shown and the window keeps
// answering while it searches; the user can cancel it.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "solver/solver.h"

namespace trelux {

// The states a search from the editor may hold: a few hundred megabytes at
// most, well inside what a 32-bit program can have.
inline constexpr uint64_t kEditorSolveStates = 4'000'000;

// The search for a level snapshot (see level_snapshot.h). Running out of
// memory ends it as LimitReached, any other exception as Failed.
SolveResult solveSnapshot(const std::string& snapshot, const SolveLimits& limits);

class SolveJob {
 public:
  // Starts searching at once.
  explicit SolveJob(std::string snapshot, uint64_t maxStates = kEditorSolveStates);
  // Cancels a search still running and waits for it.
  ~SolveJob();
  SolveJob(const SolveJob&) = delete;
  SolveJob& operator=(const SolveJob&) = delete;

  void cancel() { cancel_ = true; }
  bool finished() const { return finished_; }
  uint64_t statesSeen() const { return states_; }
  // Waits for the search to end.
  const SolveResult& result();

 private:
  std::atomic<bool> cancel_ = false;
  std::atomic<bool> finished_ = false;
  std::atomic<uint64_t> states_ = 0;
  uint64_t maxStates_;
  SolveResult result_;
  std::thread thread_;  // started once everything above is set
};

// A count as the editor shows it: 1234567 as "1,234,567".
std::string groupedNumber(uint64_t value);

// What the editor tells the user about a finished search with that limit;
// empty for a cancelled one.
std::string solveReport(const SolveResult& result, uint64_t maxStates = kEditorSolveStates);

}  // namespace trelux
