// Replays a key sequence on one level of a level file the way the play
// screen plays it, and reports the final state.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "world/direction.h"

namespace trelux::tool {

struct ReplayResult {
  Position robot;
  Direction direction = kNorth;
  std::optional<size_t> wonAfterKey;  // 1-based position in the key string
  std::vector<std::string> sounds;
  int32_t width = 0;
  int32_t height = 0;
  std::vector<int32_t> tiles;                     // row by row
  std::vector<std::array<Colour, 4>> sideLight;   // row by row; north, east, south, west
};

// Keys: U D L R (the arrow keys) and S (space). On failure answers false with
// a message for the user in error.
bool replayLevel(const std::string& levelFile, int32_t level, std::string_view keys,
                 ReplayResult& result, std::string& error);

std::string formatReplayText(const ReplayResult& result);
std::string formatReplayJson(const ReplayResult& result);

}  // namespace trelux::tool
