// The side panel and main menu backdrop ("colors.bmp") and the level digits
// ("digits.bmp"). The game view prints three digits at y = 255, centred in
// the panel; the main menu centres five 150 x 35 buttons in the five rows of
// the backdrop's height, and the play screen's "Next Level" button sits at
// x = 57, y = 125. The decorations keep clear of both.
#pragma once

#include "image.h"
#include "pixel_font.h"

namespace trelux::art {

constexpr int kPanelWidth = 264;
constexpr int kPanelHeight = 280;
constexpr int kDigitWidth = 12;
constexpr int kDigitHeight = 21;
constexpr int kDigitsY = 255;
constexpr int kDigitsX = (kPanelWidth - 3 * kDigitWidth) >> 1;

// The level display: a band across the bottom of the panel, as wide as the
// main menu's buttons, so that "Quit" covers its top edge whole instead of
// crossing it.
constexpr int kMenuButtonWidth = 150;
constexpr int kBandLeft = (kPanelWidth - kMenuButtonWidth) >> 1;
constexpr int kBandTop = 250;

// The colour behind the digits, shared by the panel's display window; the
// display's lit top edge and its labels.
inline constexpr Rgb kDisplayBackground{14, 10, 6};
inline constexpr Rgb kDisplayEdge{92, 70, 36};
inline constexpr Rgb kDisplayLabel{150, 104, 34};

Image drawPanel(const PixelFont& font);
Image drawDigits();
// A digit place with every segment off: what a display shows with no number.
Image drawBlankDigit();
// The panel as the game view shows it at level `level` (1 to 999).
Image panelShowingLevel(const Image& panel, const Image& digits, int level);

}  // namespace trelux::art
