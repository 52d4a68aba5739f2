// The deadlines of one transfer, judged from outside it: the thread that
// waits on a blocked network call cannot tell that it waits too long, the
// thread that watches it can.
#pragma once

#include <cstdint>
#include <optional>

#include "download/transfer_failure.h"
#include "download/transfer_limits.h"

namespace trelux {

class TransferWatch {
 public:
  TransferWatch(const TransferLimits& limits, uint64_t startMs)
      : limits_(limits), start_(startMs), requested_(startMs) {}

  // A new request (the first, or a redirect's) has its own connection to make.
  void requesting(uint64_t nowMs);
  // The server took the connection, or answered.
  void connected(uint64_t nowMs);
  // bytes more of the body came.
  void received(uint64_t bytes, uint64_t nowMs);

  bool isConnected() const { return connected_; }

  // The deadline that has passed by nowMs, if any.
  std::optional<TransferFailureKind> overdue(uint64_t nowMs) const;
  // How long until the next deadline could pass (at least 1 ms).
  uint64_t untilNextCheck(uint64_t nowMs) const;

 private:
  TransferLimits limits_;
  uint64_t start_;
  uint64_t requested_;
  bool connected_ = false;
  uint64_t lastHeard_ = 0;
  uint64_t bytes_ = 0;
};

}  // namespace trelux
