// One transfer on a thread of its own, so that no server can freeze the
// window: the thread blocks in WinINet, the window's thread watches the
// deadlines, shows the progress texts and may walk away. An abandoned job's
// thread ends by itself once its blocked call returns (WinINet's own
// time-outs are the limits too); it shares nothing with the window's thread
// but the state it keeps alive, and it writes no file.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "download/transfer_count.h"
#include "download/transfer_failure.h"
#include "download/transfer_limits.h"

namespace trelux {

struct TransferState;

struct TransferOutcome {
  std::optional<TransferFailure> failure;
  std::string detail;  // what failed, for diagnosis
  std::string body;
  TransferResult result;
};

class TransferJob {
 public:
  // Starts the transfer of url through session; more than limit bytes of
  // body are not read.
  TransferJob(HINTERNET session, const std::string& url, uint64_t limit,
              const TransferLimits& limits);
  // Abandons the thread if it still runs.
  ~TransferJob();
  TransferJob(const TransferJob&) = delete;
  TransferJob& operator=(const TransferJob&) = delete;

  // Signalled whenever there is something new to look at.
  HANDLE signal() const;
  // The progress texts since the last call, in order.
  std::vector<std::string> takeTexts();
  bool finished() const;
  // The outcome, once finished; the deadline that passed, else.
  TransferOutcome outcome();
  std::optional<TransferFailure> overdue() const;
  uint64_t untilNextCheck() const;

 private:
  std::shared_ptr<TransferState> state_;
};

// The session's status callback: tells a job's watch when its connection is
// made, which WinINet says only through it.
void watchConnections(HINTERNET session);

}  // namespace trelux
