// Directions, positions and colours of the grid world.
#pragma once

#include <cstdint>

namespace trelux {

// 0 north (y - 1), 1 east (x + 1), 2 south (y + 1), 3 west (x - 1). A side of a
// cell is named by the direction that points from its centre through it.
enum Direction : int32_t { kNorth = 0, kEast = 1, kSouth = 2, kWest = 3 };

constexpr int32_t clockwise(int32_t d) { return (d + 1) % 4; }
constexpr int32_t counterClockwise(int32_t d) { return (d + 3) % 4; }
constexpr int32_t opposite(int32_t d) { return (d + 2) % 4; }

struct Position {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const Position&) const = default;
};

// One step in direction d; a direction outside 0..3 leaves the position as it is.
constexpr Position step(Position p, int32_t d) {
  switch (d) {
    case kNorth: return {p.x, p.y - 1};
    case kEast: return {p.x + 1, p.y};
    case kSouth: return {p.x, p.y + 1};
    case kWest: return {p.x - 1, p.y};
    default: return p;
  }
}

// Three bits: red 1, green 2, blue 4. Light mixes by OR and is filtered by AND.
using Colour = uint8_t;
enum : Colour {
  kBlack = 0, kRed = 1, kGreen = 2, kYellow = 3, kBlue = 4, kMagenta = 5, kCyan = 6, kWhite = 7
};

}  // namespace trelux
