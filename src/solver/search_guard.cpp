#include "solver/search_guard.h"

#include <new>

namespace trelux {

// An empty result allocates nothing, so making one here cannot throw again.
SolveResult guardedSearch(const std::function<SolveResult()>& search) noexcept {
  SolveResult failed;
  try {
    return search();
  } catch (const std::bad_alloc&) {
    failed.outcome = SolveOutcome::LimitReached;
  } catch (...) {
    failed.outcome = SolveOutcome::Failed;
  }
  return failed;
}

}  // namespace trelux
