// One transfer's body counted as it comes in pieces: the progress text
// before each read, when to stop reading, and whether the body came whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace trelux {

struct TransferResult {
  uint64_t bytes = 0;
  // False when the body ended before the length the server announced.
  bool complete = true;
};

class TransferCount {
 public:
  // announced: the length the response's headers give, if any. A body of
  // more than limit bytes is refused by its reader anyway, so reading
  // stops once that much came.
  TransferCount(std::optional<uint64_t> announced, uint64_t limit)
      : announced_(announced), limit_(limit) {}

  // "Downloading... (N bytes so far)"
  std::string progressText() const;
  // Counts a piece read; false once more than the limit came.
  bool add(uint64_t piece);
  // Whole when as long as announced; without an announced length, what
  // came is all there is to judge.
  TransferResult result() const;

 private:
  std::optional<uint64_t> announced_;
  uint64_t limit_;
  uint64_t bytes_ = 0;
};

}  // namespace trelux
