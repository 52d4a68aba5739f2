#include "download/transfer_watch.h"

#include <algorithm>

namespace trelux {

void TransferWatch::requesting(uint64_t nowMs) {
  requested_ = nowMs;
  connected_ = false;
}

void TransferWatch::connected(uint64_t nowMs) {
  connected_ = true;
  lastHeard_ = nowMs;
}

void TransferWatch::received(uint64_t bytes, uint64_t nowMs) {
  connected(nowMs);
  bytes_ += bytes;
}

std::optional<TransferFailureKind> TransferWatch::overdue(uint64_t nowMs) const {
  if (!connected_) {
    if (nowMs - requested_ >= limits_.connectMs) return TransferFailureKind::CannotConnect;
  } else if (nowMs - lastHeard_ >= limits_.silenceMs) {
    return TransferFailureKind::StoppedAnswering;
  }
  const uint64_t elapsed = nowMs - start_;
  if (elapsed >= limits_.slowAfterMs && bytes_ * 1000 < limits_.minBytesPerSecond * elapsed) {
    return TransferFailureKind::TooSlow;
  }
  return std::nullopt;
}

// The average is judged again as time goes on, so past the slow deadline
// checks come at least ten times a second.
uint64_t TransferWatch::untilNextCheck(uint64_t nowMs) const {
  const uint64_t waitFrom = connected_ ? lastHeard_ + limits_.silenceMs
                                       : requested_ + limits_.connectMs;
  uint64_t next = waitFrom > nowMs ? waitFrom - nowMs : 1;
  const uint64_t slowAt = start_ + limits_.slowAfterMs;
  next = std::min(next, slowAt > nowMs ? slowAt - nowMs : uint64_t{100});
  return std::max<uint64_t>(next, 1);
}

}  // namespace trelux
