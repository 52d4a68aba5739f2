// The downloader's WinINet handle: one per run, serving the manifest and
// every set downloaded from its list. Failures throw an InternetError; a
// transfer the player cancels throws DownloadCancelled.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <cstdint>
#include <string>

#include "download/puzzle_server.h"
#include "download/transfer_count.h"
#include "download/transfer_limits.h"

namespace trelux {

class ProgressWindow;

// The player pressed Cancel (or Esc): nothing is said, nothing installed.
struct DownloadCancelled {};

class InternetSession {
 public:
  explicit InternetSession(const TransferLimits& limits = kTransferLimits) : limits_(limits) {}
  ~InternetSession() { close(); }
  InternetSession(const InternetSession&) = delete;
  InternetSession& operator=(const InternetSession&) = delete;

  void connect(const PuzzleServer& server, ProgressWindow& progress);
  // Copies the body of url into file, read in pieces of 256 bytes on a
  // thread of its own while the progress window answers. A response other
  // than 200 is a failed download, and so is a deadline passed. Stops once
  // more than limit bytes came (TransferCount).
  TransferResult transfer(const std::string& url, const std::string& file,
                          ProgressWindow& progress, uint64_t limit);
  void close();

 private:
  TransferLimits limits_;
  HINTERNET handle_ = nullptr;
};

}  // namespace trelux
