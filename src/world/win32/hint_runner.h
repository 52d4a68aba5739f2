// F2's search on a thread of its own, so that the window keeps answering
// while it runs. The answer comes back as a message posted to the window;
// a search that was cancelled or replaced meanwhile gives none.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>

#include "solver/hint.h"

namespace trelux {

// Posted to the window when a search ends; wParam names the search.
inline constexpr UINT kHintFoundMessage = WM_APP + 0x140;

// The states a hint's search may hold in the 32-bit game: about 12 bytes
// each, so some 120 megabytes, and enough for every shipped level from its
// start (the largest needs 7.8 million).
inline constexpr uint64_t kHintStates = 10'000'000;

class HintRunner {
 public:
  // Each search's end is posted to window as message.
  explicit HintRunner(HWND window, uint64_t maxStates = kHintStates,
                      UINT message = kHintFoundMessage)
      : window_(window), maxStates_(maxStates), message_(message) {}
  // Cancels a search still running and waits for it.
  ~HintRunner();
  HintRunner(const HintRunner&) = delete;
  HintRunner& operator=(const HintRunner&) = delete;

  // Starts searching from position, ending any search before it.
  void start(HintPosition position);
  // Ends the search; its answer will not be taken.
  void cancel();
  bool isSearching() const { return searching_; }
  // The answer that the message with wParam number announced, or nothing
  // when that search was cancelled or replaced since.
  std::optional<Hint> take(WPARAM number);

 private:
  void finishThread();

  HWND window_;
  uint64_t maxStates_;
  UINT message_;
  bool searching_ = false;
  WPARAM number_ = 0;
  std::atomic<bool> cancel_ = false;
  Hint hint_;  // written by the search's thread, read once it has ended
  std::thread thread_;
};

}  // namespace trelux
