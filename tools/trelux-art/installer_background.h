// The installer window's background ("install.bmp", the package's
// BACKGROUND): 400 x 400 pixels, of which the window shows the top-left part
// inside its frame. The installer's buttons sit at x = 125 to 275 from
// y = 200 down, and the directory field spans x = 25 to 375 at y = 210;
// "Installing... Please Wait..." is written in yellow across the middle.
// The decorations keep above y = 180, where none of these go.
#pragma once

#include "image.h"
#include "pixel_font.h"

namespace trelux::art {

constexpr int kInstallerBackgroundSize = 400;
// Everything below this line is plain board for the controls and the text.
constexpr int kInstallerDecorationBottom = 180;

Image drawInstallerBackground(const PixelFont& font);

}  // namespace trelux::art
