// F2's search, and the par line's, on the shared worker's thread, so that
// the window keeps answering while it runs. The end of each search is told
// by its number; the window's side posts that as a message and takes the
// answer when it comes. A search cancelled or replaced meanwhile gives none.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "base/background_worker.h"
#include "solver/hint.h"

namespace trelux {

// The states a hint's search may hold in the 32-bit game: about 12 bytes
// each, so some 120 megabytes, and enough for every shipped level from its
// start (the largest needs 7.8 million).
inline constexpr uint64_t kHintStates = 10'000'000;

class HintRunner {
 public:
  using Ended = BackgroundWorker<Hint>::Ended;

  explicit HintRunner(Ended ended, uint64_t maxStates = kHintStates)
      : worker_(std::move(ended)), maxStates_(maxStates) {}

  // Starts searching from position, ending any search before it.
  void start(HintPosition position);
  // Ends the search; its answer will not be taken.
  void cancel() { worker_.cancel(); }
  bool isSearching() const { return worker_.isRunning(); }
  // The answer of the search whose end told number, or nothing when that
  // search was cancelled or replaced since.
  std::optional<Hint> take(uint32_t number) { return worker_.take(number); }

 private:
  BackgroundWorker<Hint> worker_;
  uint64_t maxStates_;
};

}  // namespace trelux
