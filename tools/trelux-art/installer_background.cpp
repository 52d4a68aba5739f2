#include "installer_background.h"

#include <vector>

#include "canvas.h"
#include "drawing.h"
#include "palette.h"
#include "tile_layout.h"
#include "tileset.h"

namespace trelux::art {
namespace {

constexpr int kSize = kInstallerBackgroundSize;
constexpr int kColumns = kSize / kTileSize;
constexpr int kTitleTop = 40;
constexpr int kBeamRowTop = 125;

void drawBoard(Image& image) {
  for (int y = 0; y < kSize; ++y) {
    const Rgb row = mix(Rgb{24, 28, 42}, Rgb{7, 8, 13}, static_cast<double>(y) / kSize);
    image.fillRect(0, y, kSize, 1, row);
  }
  for (int i = 0; i < kSize; i += kTileSize) {
    image.fillRect(i, 0, 1, kSize, Rgb{27, 31, 44});
    image.fillRect(0, i, kSize, 1, Rgb{27, 31, 44});
  }
}

void drawTile(Image& image, int column, int top, int tile, int westColour = 0, int eastColour = 0) {
  const int x = column * kTileSize;
  image.paste(drawTileImage(tile, kTileSize), x, top);
  Canvas c(image, x, top, kTileSize);
  if (westColour) drawBeamHalf(c, 3, westColour);
  if (eastColour) drawBeamHalf(c, 1, eastColour);
}

// A wall across the top, as the board's edge.
void drawTopWall(Image& image) {
  for (int column = 0; column < kColumns; ++column) drawTile(image, column, 0, kWallTile);
}

// The name in the panel's colours, one per letter, with a shadow and a
// white beam under it.
void drawSetupTitle(Image& image, const PixelFont& font) {
  const std::string title = "TRELUX";
  const int scale = 7;
  const int width = font.measure(title, scale);
  int x = (kSize - width) / 2;
  const int colours[] = {1, 3, 2, 6, 4, 5};
  for (size_t i = 0; i < title.size(); ++i) {
    const std::string letter(1, title[i]);
    font.draw(image, letter, x + 3, kTitleTop + 3, scale, Rgb{3, 3, 6});
    font.draw(image, letter, x, kTitleTop, scale, objectColour(colours[i]));
    x += (PixelFont::kWidth + 1) * scale;
  }
  image.fillRect((kSize - width) / 2, kTitleTop + 7 * scale + 8, width, 2, ink::kWhite);
  const std::string subtitle = "SETUP";
  font.draw(image, subtitle, (kSize - font.measure(subtitle, 2)) / 2, kTitleTop + 7 * scale + 18,
            2, Rgb{190, 138, 48});
}

// A laser's white beam filtered by a yellow lens and a red one into a lit
// red sensor, across the whole width.
void drawBeamRow(Image& image) {
  const int white = 7, yellow = 3, red = 1;
  drawTile(image, 0, kBeamRowTop, laserTile(1), 0, white);
  int column = 1;
  for (; column < 5; ++column) drawTile(image, column, kBeamRowTop, kFloorTile, white, white);
  drawTile(image, column++, kBeamRowTop, lensTile(yellow), white, yellow);
  for (; column < 10; ++column) drawTile(image, column, kBeamRowTop, kFloorTile, yellow, yellow);
  drawTile(image, column++, kBeamRowTop, lensTile(red), yellow, red);
  for (; column < kColumns - 1; ++column) drawTile(image, column, kBeamRowTop, kFloorTile, red, red);
  drawTile(image, column, kBeamRowTop, sensorTile(3, red, true), red, 0);
}

}  // namespace

Image drawInstallerBackground(const PixelFont& font) {
  Image image(kSize, kSize);
  drawBoard(image);
  drawTopWall(image);
  drawSetupTitle(image, font);
  drawBeamRow(image);
  return image;
}

}  // namespace trelux::art
