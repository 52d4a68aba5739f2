// The editor's palette: one tool per placeable thing (floor, wall, every
// colour and orientation of lens, mirror, laser and sensor, every T-mirror,
// and the robot's start), laid out on the toolbar in cells of 25 x 35
// pixels: the tool's picture, and under it its radio button.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/direction.h"

namespace trelux {

inline constexpr int32_t kPaletteColumns = 8;
inline constexpr int32_t kPaletteRows = 11;
inline constexpr int32_t kPaletteCellWidth = 25;
inline constexpr int32_t kPaletteCellHeight = 35;
inline constexpr int32_t kPalettePictureSize = 25;
inline constexpr int32_t kPaletteButtonHeight = 10;
inline constexpr int32_t kPaletteWidth = kPaletteColumns * kPaletteCellWidth;  // 200
inline constexpr int32_t kPaletteHeight =
    (kPaletteRows - 1) * kPaletteCellHeight + kPalettePictureSize + kPaletteButtonHeight;  // 385

// The kind of the robot-start tool; every other tool has an object kind code.
inline constexpr int32_t kRobotStartKind = -1;

struct PaletteTool {
  int32_t kind = 0;     // object kind code 0..6, or kRobotStartKind
  int32_t tile = 0;     // the picture in the tileset
  int32_t x = 0;        // the picture's top-left corner in the toolbar
  int32_t y = 0;
  Colour colour = 0;
  int32_t variant = 0;  // orientation, direction or facing
  bool isRobotStart() const { return kind == kRobotStartKind; }
};

// Every tool in the order the toolbar creates its buttons: floor, wall, the
// lenses, the mirrors, then per direction each colour's laser and sensor,
// the T-mirrors, and the robot's start last.
std::vector<PaletteTool> makePalette();

// What a tool places, as its tooltip and the toolbar name it: "Red laser,
// facing east", "Wall", "Robot's start".
std::string toolName(const PaletteTool& tool);

// The tool whose picture or button holds toolbar pixel (x, y); -1 for none.
int32_t toolAt(const std::vector<PaletteTool>& tools, int32_t x, int32_t y);

}  // namespace trelux
