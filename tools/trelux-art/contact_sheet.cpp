#include "contact_sheet.h"

#include <string>

#include "moves_plate.h"
#include "panel.h"
#include "tile_layout.h"

namespace trelux::art {
namespace {

constexpr Rgb kSheet{28, 28, 33};
constexpr Rgb kLabel{214, 214, 224};
constexpr Rgb kFaint{90, 90, 100};

}  // namespace

Image tilesetSheet(const Image& tileset, const PixelFont& font) {
  const int zoom = 3;
  const int labelHeight = 2 * PixelFont::kHeight + 6;
  const int cellWidth = kTileSize * zoom + 8;
  const int cellHeight = kTileSize * zoom + labelHeight + 6;
  Image sheet(kTilesPerRow * cellWidth + 8, kTileRows * cellHeight + 8, kSheet);
  for (int tile = 0; tile < kTileRows * kTilesPerRow; ++tile) {
    const int x = 8 + (tile % kTilesPerRow) * cellWidth;
    const int y = 8 + (tile / kTilesPerRow) * cellHeight;
    const bool used = tileInfo(tile).kind != TileKind::Unused;
    font.draw(sheet, std::to_string(tile), x, y, 2, used ? kLabel : kFaint);
    const Image enlarged =
        tileset.crop((tile % kTilesPerRow) * kTileSize, (tile / kTilesPerRow) * kTileSize,
                     kTileSize, kTileSize)
            .scaledUp(zoom);
    sheet.paste(enlarged, x, y + labelHeight);
  }
  return sheet;
}

// Left: the side panel at level 42, as in play, 17 moves made and a best of
// 31. Middle: the main menu with its five buttons outlined where the game
// puts them. Below: the ten digits.
Image panelSheet(const Image& panel, const Image& digits, const Image& plate,
                 const PixelFont& font) {
  const int zoom = 2;
  const int gap = 16;
  const int labelHeight = 2 * PixelFont::kHeight + 8;
  Image menu = panel;
  const int rowHeight = panel.height() / 5;
  for (int row = 0; row < 5; ++row) {
    const int bx = (panel.width() - 150) >> 1;
    const int by = ((rowHeight - 35) >> 1) + row * rowHeight;
    menu.fillRect(bx, by, 150, 35, Rgb{20, 20, 20});
    menu.fillRect(bx + 1, by + 1, 148, 33, Rgb{212, 208, 200});
  }
  Image played = panelShowingLevel(panel, digits, 42);
  played.paste(plateShowing(plate, digits, 31, 17), kPlateX, kPlateY);
  const Image left = played.scaledUp(zoom);
  const Image middle = menu.scaledUp(zoom);
  const Image strip = digits.scaledUp(4);
  Image sheet(gap * 3 + left.width() + middle.width(),
              gap * 3 + labelHeight * 2 + left.height() + strip.height(), kSheet);
  font.draw(sheet, "LEVEL 042  MOVES 017  BEST 031", gap, gap, 2, kLabel);
  sheet.paste(left, gap, gap + labelHeight);
  sheet.paste(middle, gap * 2 + left.width(), gap + labelHeight);
  const int stripY = gap * 2 + labelHeight + left.height();
  font.draw(sheet, "0123456789", gap, stripY, 2, kLabel);
  sheet.paste(strip, gap, stripY + labelHeight);
  return sheet;
}

}  // namespace trelux::art
