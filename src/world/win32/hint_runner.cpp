#include "world/win32/hint_runner.h"

#include <utility>

namespace trelux {

namespace {

Hint failedHint() {
  Hint hint;
  hint.answer = HintAnswer::Failed;
  return hint;
}

}  // namespace

HintRunner::~HintRunner() {
  cancel_ = true;
  finishThread();
}

void HintRunner::finishThread() {
  if (thread_.joinable()) thread_.join();
}

void HintRunner::start(HintPosition position) {
  cancel();
  // A cancelled search looks at its flag every thousand states or so: the
  // wait is short.
  finishThread();
  cancel_ = false;
  searching_ = true;
  const WPARAM number = ++number_;
  // Nothing may leave the thread: an exception there would end the game.
  // The search answers for itself; what is left (a copy of its keys, say)
  // is a failed search too, and so is a thread that cannot be started.
  try {
    thread_ = std::thread([this, number, from = std::move(position)] {
      SolveLimits limits;
      limits.maxStates = maxStates_;
      limits.cancel = &cancel_;
      try {
        hint_ = findHint(from, limits);
      } catch (...) {
        hint_ = failedHint();
      }
      PostMessageA(window_, message_, number, 0);
    });
  } catch (...) {
    hint_ = failedHint();
    PostMessageA(window_, message_, number, 0);
  }
}

void HintRunner::cancel() {
  cancel_ = true;
  searching_ = false;
}

std::optional<Hint> HintRunner::take(WPARAM number) {
  if (!searching_ || number != number_) return std::nullopt;
  // The message is the thread's last act: it has ended, or is ending now.
  finishThread();
  searching_ = false;
  return hint_;
}

}  // namespace trelux
