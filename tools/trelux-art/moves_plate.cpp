#include "moves_plate.h"

#include <string>

namespace trelux::art {

Image drawMovesPlate(const PixelFont& font) {
  Image plate(kPlateWidth, kPlateHeight, kDisplayBackground);
  const Image blank = drawBlankDigit();
  const std::string labels[2] = {"BEST", "MOVES"};
  for (int row = 0; row < 2; ++row) {
    const int top = row * kPlateRowHeight;
    plate.fillRect(0, top, kPlateWidth, 1, kDisplayEdge);
    for (int i = 0; i < 3; ++i)
      plate.paste(blank, kPlateDigitsX + i * kDigitWidth, top + kPlateDigitsY);
    const int labelX = kPlateDigitsX - 8 - font.measure(labels[row], 1);
    font.draw(plate, labels[row], labelX, top + kPlateDigitsY + 7, 1, kDisplayLabel);
  }
  return plate;
}

Image plateShowing(const Image& plate, const Image& digits, int best, int moves) {
  Image shown = plate;
  const int values[2] = {best, moves};
  for (int row = 0; row < 2; ++row) {
    int n = values[row];
    if (n < 0) continue;
    for (int i = 2; i >= 0; --i) {
      shown.paste(digits.crop((n % 10) * kDigitWidth, 0, kDigitWidth, kDigitHeight),
                  kPlateDigitsX + i * kDigitWidth, row * kPlateRowHeight + kPlateDigitsY);
      n /= 10;
    }
  }
  return shown;
}

}  // namespace trelux::art
