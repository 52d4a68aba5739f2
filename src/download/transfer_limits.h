// How long a transfer may take: a server that stalls, trickles or sends the
// game round in circles must not hold the player for longer than this.
#pragma once

#include <cstdint>

namespace trelux {

struct TransferLimits {
  // A connection not made within this fails.
  uint64_t connectMs = 10'000;
  // A transfer that receives nothing for this long fails.
  uint64_t silenceMs = 15'000;
  // A transfer still averaging under minBytesPerSecond this long after it
  // began fails: 1 byte every 5 s would otherwise count as a success.
  uint64_t slowAfterMs = 30'000;
  uint64_t minBytesPerSecond = 1024;
  // Redirects followed for one address; the next one fails.
  int maxRedirects = 5;
};

// The limits the game runs with; tests pass shorter ones.
inline constexpr TransferLimits kTransferLimits{};

}  // namespace trelux
