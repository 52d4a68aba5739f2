#include "solver/hint_runner.h"

#include <atomic>
#include <utility>

namespace trelux {

void HintRunner::start(HintPosition position) {
  // What the search does not answer for itself (a copy of its keys, say)
  // is a failed search too, and so is a thread that cannot be started.
  Hint failed;
  failed.answer = HintAnswer::Failed;
  worker_.start(
      [from = std::move(position), maxStates = maxStates_](const std::atomic<bool>& cancel) {
        SolveLimits limits;
        limits.maxStates = maxStates;
        limits.cancel = &cancel;
        return findHint(from, limits);
      },
      failed);
}

}  // namespace trelux
