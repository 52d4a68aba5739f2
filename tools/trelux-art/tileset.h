// The tileset sheet: tiles 0 to 131, 8 a row, 25 pixels square.
#pragma once

#include "image.h"

namespace trelux::art {

Image drawTileset();
// One tile drawn at any size (the help pictures, the panel).
Image drawTileImage(int tile, int pixels);

}  // namespace trelux::art
