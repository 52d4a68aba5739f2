#include "world/win32/hint_runner.h"

#include <exception>
#include <new>
#include <utility>

namespace trelux {

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
  thread_ = std::thread([this, number, from = std::move(position)] {
    SolveLimits limits;
    limits.maxStates = maxStates_;
    limits.cancel = &cancel_;
    try {
      hint_ = findHint(from, limits);
    } catch (const std::bad_alloc&) {
      // Too little memory left for this search in the 32-bit game.
      hint_ = Hint{};
      hint_.answer = HintAnswer::LimitReached;
    } catch (const std::exception&) {
      // Whatever else goes wrong, no hint, and the game goes on.
      hint_ = Hint{};
      hint_.answer = HintAnswer::Unsupported;
    }
    PostMessageA(window_, message_, number, 0);
  });
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
