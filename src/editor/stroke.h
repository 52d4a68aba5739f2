// A drag over the board paints every cell the mouse crosses, also when it
// moves faster than the mouse reports: the cells between two reports are
// filled in.
#pragma once

#include <vector>

#include "world/direction.h"

namespace trelux {

// The cells of a line from `from` to `to`, without `from` and ending in
// `to`, each a step sideways from the one before, so no corner is skipped.
std::vector<Position> cellsCrossed(Position from, Position to);

// The cell under a pixel of the board, whose cells are 25 pixels square;
// pixels left of or above the board give negative cells.
Position cellAtPixel(int32_t pixelX, int32_t pixelY);

}  // namespace trelux
