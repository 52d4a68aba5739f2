// Pictures for people: the tileset enlarged with every tile's number, and
// the panel as the game and the main menu show it with the digits.
#pragma once

#include "image.h"
#include "pixel_font.h"

namespace trelux::art {

Image tilesetSheet(const Image& tileset, const PixelFont& font);
// plate: the moves and best display the play screen adds to the panel.
Image panelSheet(const Image& panel, const Image& digits, const Image& plate,
                 const PixelFont& font);

}  // namespace trelux::art
