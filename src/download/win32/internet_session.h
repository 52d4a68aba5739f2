// The downloader's WinINet handle: one per run, serving the manifest and
// every set downloaded from its list. Failures throw an InternetError.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <cstdint>
#include <string>

#include "download/puzzle_server.h"
#include "download/transfer_count.h"

namespace trelux {

class ProgressWindow;

class InternetSession {
 public:
  InternetSession() = default;
  ~InternetSession() { close(); }
  InternetSession(const InternetSession&) = delete;
  InternetSession& operator=(const InternetSession&) = delete;

  void connect(const PuzzleServer& server, ProgressWindow& progress);
  // Copies the body of url into file in pieces of 256 bytes. A response
  // other than 200 is a failed download. Stops once more than limit bytes
  // came (TransferCount).
  TransferResult transfer(const std::string& url, const std::string& file,
                          ProgressWindow& progress, uint64_t limit);
  void close();

 private:
  HINTERNET handle_ = nullptr;
};

}  // namespace trelux
