#include "editor/palette.h"

namespace trelux {
namespace {

constexpr int32_t kFloorTile = 2;
constexpr int32_t kWallTile = 1;
constexpr int32_t kRobotStartTile = 3;
constexpr int32_t kLensTiles = 8;
constexpr int32_t kMirrorTiles = 16;
constexpr int32_t kTMirrorTiles = 36;
constexpr int32_t kSensorTiles = 40;
// The laser pictures exist for the toolbar only: four directions per colour
// after the grid's own tiles.
constexpr int32_t kToolbarLaserTiles = 104;

PaletteTool at(int32_t column, int32_t row, int32_t kind, int32_t tile, Colour colour,
               int32_t variant) {
  return {kind, tile, column * kPaletteCellWidth, row * kPaletteCellHeight, colour, variant};
}

}  // namespace

std::vector<PaletteTool> makePalette() {
  std::vector<PaletteTool> tools;
  tools.push_back(at(0, 0, 0, kFloorTile, 0, 0));
  tools.push_back(at(1, 0, 1, kWallTile, 0, 0));
  for (Colour c = 0; c < 8; ++c) tools.push_back(at(c, 1, 2, kLensTiles + c, c, 0));
  for (int32_t v = 0; v < 2; ++v)
    for (Colour c = 1; c < 8; ++c) tools.push_back(at(c - 1, 2 + v, 3, kMirrorTiles + 8 * v + c, c, v));
  for (int32_t v = 0; v < 4; ++v) {
    for (Colour c = 1; c < 8; ++c) {
      tools.push_back(at(v, 3 + c, 4, kToolbarLaserTiles + 4 * (c - 1) + v, c, v));
      tools.push_back(at(4 + v, 3 + c, 5, kSensorTiles + 8 * v + c, c, v));
    }
  }
  for (int32_t v = 0; v < 4; ++v) tools.push_back(at(2 + v, 0, 6, kTMirrorTiles + v, 0, v));
  tools.push_back(at(7, 0, kRobotStartKind, kRobotStartTile, 0, 0));
  return tools;
}

}  // namespace trelux
