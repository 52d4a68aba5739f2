#include "editor/palette.h"

#include <array>

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

constexpr std::array<const char*, 8> kColourNames = {"Black", "Red",     "Green", "Yellow",
                                                     "Blue",  "Magenta", "Cyan",  "White"};
constexpr std::array<const char*, 4> kDirectionNames = {"north", "east", "south", "west"};

std::string colourName(Colour colour) { return kColourNames[colour & 7]; }
std::string directionName(int32_t variant) { return kDirectionNames[variant & 3]; }

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

std::string toolName(const PaletteTool& tool) {
  switch (tool.kind) {
    case kRobotStartKind: return "Robot's start";
    case 0: return "Floor";
    case 1: return "Wall";
    case 2: return colourName(tool.colour) + " lens";
    case 3:
      return colourName(tool.colour) + " mirror, " +
             (tool.variant == 0 ? "\\ north-west to south-east" : "/ north-east to south-west");
    case 4: return colourName(tool.colour) + " laser, facing " + directionName(tool.variant);
    case 5: return colourName(tool.colour) + " sensor, facing " + directionName(tool.variant);
    case 6: return "T-mirror, stem to the " + directionName(tool.variant);
    default: return {};
  }
}

int32_t toolAt(const std::vector<PaletteTool>& tools, int32_t x, int32_t y) {
  for (size_t i = 0; i < tools.size(); ++i) {
    const PaletteTool& tool = tools[i];
    if (x >= tool.x && x < tool.x + kPaletteCellWidth && y >= tool.y &&
        y < tool.y + kPaletteCellHeight)
      return static_cast<int32_t>(i);
  }
  return -1;
}

}  // namespace trelux
