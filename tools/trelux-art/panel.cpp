#include "panel.h"

#include <vector>

#include "canvas.h"
#include "drawing.h"
#include "palette.h"
#include "tile_layout.h"
#include "tileset.h"

namespace trelux::art {
namespace {

constexpr int kStripTop = 3;

// A column of the board down one side of the panel: a laser at the top, a
// beam filtered by two lenses, a lit sensor at the bottom. The tiles, the
// sides the beam lights and the beam's colour in each tile.
struct StripCell {
  int tile;
  int north;
  int south;
};

void drawStrip(Image& panel, int x, const std::vector<StripCell>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int y = kStripTop + static_cast<int>(i) * kTileSize;
    panel.paste(drawTileImage(cells[i].tile, kTileSize), x, y);
    Canvas c(panel, x, y, kTileSize);
    if (cells[i].north) drawBeamHalf(c, 0, cells[i].north);
    if (cells[i].south) drawBeamHalf(c, 2, cells[i].south);
  }
}

void drawTitle(Image& panel, const PixelFont& font) {
  const std::string title = "TRELUX";
  const int scale = 3;
  const int width = font.measure(title, scale);
  int x = (kPanelWidth - width) / 2;
  const int colours[] = {1, 3, 2, 6, 4, 5};
  for (std::size_t i = 0; i < title.size(); ++i) {
    const std::string letter(1, title[i]);
    font.draw(panel, letter, x + 2, 16, scale, Rgb{4, 4, 8});
    font.draw(panel, letter, x, 14, scale, objectColour(colours[i]));
    x += (PixelFont::kWidth + 1) * scale;
  }
  // A white beam under the title.
  panel.fillRect((kPanelWidth - width) / 2, 41, width, 2, ink::kWhite);
}

// The level display is a band across the bottom in the digits' own
// background colour. On the main menu the "Quit" button covers its top, edge
// and corners included, and what shows below the button is plain band.
void drawDisplayBand(Image& panel, const PixelFont& font) {
  const int width = kPanelWidth - 2 * kBandLeft;
  panel.fillRect(kBandLeft, kBandTop, width, kPanelHeight - kBandTop, kDisplayBackground);
  panel.fillRect(kBandLeft, kBandTop, width, 1, kDisplayEdge);
  panel.fillRect(kBandLeft, kPanelHeight - 1, width, 1, Rgb{4, 3, 2});
  const std::string label = "LEVEL";
  font.draw(panel, label, kDigitsX - 8 - font.measure(label, 1), kDigitsY + 7, 1, kDisplayLabel);
}

}  // namespace

Image drawPanel(const PixelFont& font) {
  Image panel(kPanelWidth, kPanelHeight);
  for (int y = 0; y < kPanelHeight; ++y) {
    const Rgb row = mix(Rgb{22, 25, 36}, Rgb{8, 9, 14}, static_cast<double>(y) / kPanelHeight);
    panel.fillRect(0, y, kPanelWidth, 1, row);
  }
  // A faint board grid behind everything.
  for (int x = 0; x < kPanelWidth; x += kTileSize) panel.fillRect(x, 0, 1, kPanelHeight, Rgb{26, 29, 40});
  for (int y = kStripTop; y < kPanelHeight; y += kTileSize) panel.fillRect(0, y, kPanelWidth, 1, Rgb{26, 29, 40});
  panel.fillRect(0, 0, 2, kPanelHeight, Rgb{4, 4, 6});
  drawStrip(panel, 16, {{kWallTile, 0, 0}, {laserTile(2), 0, 0}, {kFloorTile, 7, 7},
                        {lensTile(5), 5, 5}, {kFloorTile, 5, 5}, {kFloorTile, 5, 5},
                        {lensTile(1), 1, 1}, {kFloorTile, 1, 1}, {kFloorTile, 1, 1},
                        {sensorTile(0, 1, true), 1, 0}, {kWallTile, 0, 0}});
  drawStrip(panel, kPanelWidth - 16 - kTileSize,
            {{kWallTile, 0, 0}, {laserTile(2), 0, 0}, {kFloorTile, 7, 7},
             {lensTile(6), 6, 6}, {kFloorTile, 6, 6}, {kFloorTile, 6, 6},
             {lensTile(2), 2, 2}, {kFloorTile, 2, 2}, {kFloorTile, 2, 2},
             {sensorTile(0, 2, true), 2, 0}, {kWallTile, 0, 0}});
  drawTitle(panel, font);
  drawDisplayBand(panel, font);
  return panel;
}

namespace {

// One seven-segment glyph in amber; bit s of segmentsOn lights segment s
// (a top, b, c, d, e, f, g middle). The segments that are off still show
// faintly, as on a real display.
Image drawGlyph(int segmentsOn) {
  static const std::vector<std::vector<Point>> segments = {
      {{3, 1.5}, {9, 1.5}, {10, 2.5}, {9, 3.5}, {3, 3.5}, {2, 2.5}},
      {{10.5, 3}, {11.5, 4}, {11.5, 9.5}, {10.5, 10.5}, {9.5, 9.5}, {9.5, 4}},
      {{10.5, 10.5}, {11.5, 11.5}, {11.5, 17}, {10.5, 18}, {9.5, 17}, {9.5, 11.5}},
      {{3, 17.5}, {9, 17.5}, {10, 18.5}, {9, 19.5}, {3, 19.5}, {2, 18.5}},
      {{1.5, 10.5}, {2.5, 11.5}, {2.5, 17}, {1.5, 18}, {0.5, 17}, {0.5, 11.5}},
      {{1.5, 3}, {2.5, 4}, {2.5, 9.5}, {1.5, 10.5}, {0.5, 9.5}, {0.5, 4}},
      {{3, 9.5}, {9, 9.5}, {10, 10.5}, {9, 11.5}, {3, 11.5}, {2, 10.5}},
  };
  Image glyph(kDigitWidth, kDigitHeight, kDisplayBackground);
  Canvas c(glyph, 0, 0, kDigitHeight, kDigitHeight);
  for (int s = 0; s < 7; ++s) {
    const bool on = segmentsOn & (1 << s);
    c.fill(polygon(segments[s]), on ? Rgb{255, 178, 52} : Rgb{44, 30, 14});
  }
  return glyph;
}

}  // namespace

Image drawDigits() {
  const int patterns[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  Image digits(10 * kDigitWidth, kDigitHeight, kDisplayBackground);
  for (int d = 0; d < 10; ++d) digits.paste(drawGlyph(patterns[d]), d * kDigitWidth, 0);
  return digits;
}

Image drawBlankDigit() { return drawGlyph(0); }

Image panelShowingLevel(const Image& panel, const Image& digits, int level) {
  Image shown = panel;
  int n = level;
  for (int i = 2; i >= 0; --i) {
    shown.paste(digits.crop((n % 10) * kDigitWidth, 0, kDigitWidth, kDigitHeight),
                kDigitsX + i * kDigitWidth, kDigitsY);
    n /= 10;
  }
  return shown;
}

}  // namespace trelux::art
