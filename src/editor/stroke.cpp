#include "editor/stroke.h"

#include <cstdlib>

namespace trelux {
namespace {

constexpr int32_t kCellSize = 25;

int32_t floorDiv(int32_t value, int32_t divisor) {
  return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

int32_t sign(int32_t value) { return (value > 0) - (value < 0); }

}  // namespace

// Steps along x or along y, whichever keeps the cell nearest the line.
std::vector<Position> cellsCrossed(Position from, Position to) {
  std::vector<Position> cells;
  const int32_t dx = std::abs(to.x - from.x), dy = std::abs(to.y - from.y);
  const int32_t sx = sign(to.x - from.x), sy = sign(to.y - from.y);
  Position at = from;
  // Twice the signed distance of the next cell's centre to the line, scaled.
  int64_t error = 0;
  while (at.x != to.x || at.y != to.y) {
    const int64_t ifX = error + dy, ifY = error - dx;
    if (at.x != to.x && (at.y == to.y || std::llabs(ifX) <= std::llabs(ifY))) {
      at.x += sx;
      error = ifX;
    } else {
      at.y += sy;
      error = ifY;
    }
    cells.push_back(at);
  }
  return cells;
}

Position cellAtPixel(int32_t pixelX, int32_t pixelY) {
  return {floorDiv(pixelX, kCellSize), floorDiv(pixelY, kCellSize)};
}

}  // namespace trelux
