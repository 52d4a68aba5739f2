// The play screen's display of the moves and the level's best ("moves.bmp"):
// two rows stacked on the level display, "BEST" over "MOVES", each with three
// digit places in the column of the level's digits. The game view copies it
// to the panel only while a level is played (the main menu and the editor
// keep the plain panel) and prints the digits into its places.
#pragma once

#include "image.h"
#include "panel.h"
#include "pixel_font.h"

namespace trelux::art {

// As wide as the level display, its rows as tall; it ends where the level
// display begins.
constexpr int kPlateRowHeight = kPanelHeight - kBandTop;
constexpr int kPlateWidth = kPanelWidth - 2 * kBandLeft;
constexpr int kPlateHeight = 2 * kPlateRowHeight;
constexpr int kPlateX = kBandLeft;
constexpr int kPlateY = kBandTop - kPlateHeight;
// Digits within the plate: in each row, as far down as the level's in its band.
constexpr int kPlateDigitsX = kDigitsX - kPlateX;
constexpr int kPlateDigitsY = kDigitsY - kBandTop;

Image drawMovesPlate(const PixelFont& font);
// The plate as the game shows it with a best (below 0: none yet) and moves.
Image plateShowing(const Image& plate, const Image& digits, int best, int moves);

}  // namespace trelux::art
