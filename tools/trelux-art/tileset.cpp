#include "tileset.h"

#include "canvas.h"
#include "objects.h"
#include "tile_layout.h"

namespace trelux::art {

Image drawTileset() {
  Image sheet(kTilesetWidth, kTilesetHeight);
  for (int tile = 0; tile < kTileRows * kTilesPerRow; ++tile) {
    Canvas c(sheet, (tile % kTilesPerRow) * kTileSize, (tile / kTilesPerRow) * kTileSize, kTileSize);
    drawTile(c, tile);
  }
  return sheet;
}

Image drawTileImage(int tile, int pixels) {
  Image image(pixels, pixels);
  Canvas c(image, 0, 0, pixels);
  drawTile(c, tile);
  return image;
}

}  // namespace trelux::art
