// Directions, positions and colours of the grid world.
#pragma once

#include <array>
#include <cstdint>

namespace trelux {

// 0 north (y - 1), 1 east (x + 1), 2 south (y + 1), 3 west (x - 1). A side of a
// cell is named by the direction that points from its centre through it.
enum Direction : int32_t { kNorth = 0, kEast = 1, kSouth = 2, kWest = 3 };
inline constexpr std::array<Direction, 4> kDirections = {kNorth, kEast, kSouth, kWest};

// A number taken as a direction, as a level file stores one: only its two
// low bits count.
constexpr Direction directionOf(int32_t value) { return static_cast<Direction>(value & 3); }

constexpr Direction clockwise(Direction d) { return directionOf(d + 1); }
constexpr Direction counterClockwise(Direction d) { return directionOf(d + 3); }
constexpr Direction opposite(Direction d) { return directionOf(d + 2); }

struct Position {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const Position&) const = default;
};

// One step in direction d.
constexpr Position step(Position p, Direction d) {
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
