// The editor's Solve: the solver runs on a copy of the level as it stands,
// on the shared worker's thread, so the board stays shown and the window
// keeps answering while it searches; the user can cancel it.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "base/background_worker.h"
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
  // Starts searching at once; leaving cancels a search still running and
  // waits for it.
  explicit SolveJob(std::string snapshot, uint64_t maxStates = kEditorSolveStates);
  SolveJob(const SolveJob&) = delete;
  SolveJob& operator=(const SolveJob&) = delete;

  void cancel() { worker_.cancel(); }
  bool finished() const { return worker_.hasFinished(); }
  uint64_t statesSeen() const { return states_; }
  // Waits for the search to end.
  const SolveResult& result() { return worker_.wait(); }

 private:
  std::atomic<uint64_t> states_ = 0;
  // Declared last: its thread, which counts states_, ends before the count.
  // The dialog asks finished() on its timer: no word of the end is needed.
  BackgroundWorker<SolveResult> worker_;
};

// A count as the editor shows it: 1234567 as "1,234,567".
std::string groupedNumber(uint64_t value);

// What the editor tells the user about a finished search with that limit;
// empty for a cancelled one.
std::string solveReport(const SolveResult& result, uint64_t maxStates = kEditorSolveStates);

}  // namespace trelux
