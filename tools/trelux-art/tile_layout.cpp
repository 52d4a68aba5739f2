#include "tile_layout.h"

namespace trelux::art {
namespace {

const char* const kColourNames[] = {"black", "red", "green", "yellow",
                                    "blue",  "magenta", "cyan", "white"};
const char* const kDirectionNames[] = {"north", "east", "south", "west"};

}  // namespace

TileInfo tileInfo(int tile) {
  if (tile == kWallTile) return {TileKind::Wall};
  if (tile == kFloorTile) return {TileKind::Floor};
  if (tile >= 3 && tile <= 6) return {TileKind::Robot, 0, tile - 3};
  if (tile == kRobotInLightTile) return {TileKind::RobotInLight};
  if (tile >= 8 && tile <= 15) return {TileKind::Lens, tile - 8};
  if (tile >= 16 && tile <= 31) return {TileKind::Mirror, (tile - 16) % 8, (tile - 16) / 8};
  if (tile >= 32 && tile <= 35) return {TileKind::Laser, -1, tile - 32};
  if (tile >= 36 && tile <= 39) return {TileKind::TMirror, 0, tile - 36};
  if (tile >= 40 && tile <= 103) {
    const int n = (tile - 40) % 32;
    return {TileKind::Sensor, n % 8, n / 8, tile >= 72};
  }
  if (tile >= 104 && tile <= kLastTile) {
    const int n = tile - 104;
    return {TileKind::Laser, 1 + n / 4, n % 4};
  }
  return {};
}

std::string describeTile(int tile) {
  const TileInfo t = tileInfo(tile);
  const std::string colour = t.colour >= 0 ? kColourNames[t.colour] : "";
  const std::string direction = kDirectionNames[t.variant & 3];
  switch (t.kind) {
    case TileKind::Wall: return "wall";
    case TileKind::Floor: return "floor";
    case TileKind::Robot: return "robot facing " + direction;
    case TileKind::RobotInLight: return "robot in light";
    case TileKind::Lens: return "lens " + colour;
    case TileKind::Mirror: return "mirror " + std::to_string(t.variant) + " " + colour;
    case TileKind::Laser:
      return t.colour < 0 ? "laser " + direction : "palette laser " + colour + " " + direction;
    case TileKind::TMirror: return "T-mirror stem " + direction;
    case TileKind::Sensor:
      return std::string("sensor ") + (t.lit ? "lit " : "dark ") + "facing " + direction + " " + colour;
    case TileKind::Unused: break;
  }
  return "unused";
}

}  // namespace trelux::art
