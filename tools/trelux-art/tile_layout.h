// Which picture of the tileset is which: the numbers the grid objects carry
// and the renderer and the editor's palette draw. Tile t lies at
// x = (t mod 8) * 25, y = (t div 8) * 25.
#pragma once

#include <string>

namespace trelux::art {

constexpr int kTileSize = 25;
constexpr int kTilesPerRow = 8;
constexpr int kLastTile = 131;
// 132 tiles fill 17 rows of 8 (the last four places stay empty).
constexpr int kTileRows = (kLastTile + kTilesPerRow) / kTilesPerRow;
constexpr int kTilesetWidth = kTilesPerRow * kTileSize;
constexpr int kTilesetHeight = kTileRows * kTileSize;

constexpr int kWallTile = 1;
constexpr int kFloorTile = 2;
constexpr int kRobotInLightTile = 7;
constexpr int robotTile(int direction) { return 3 + direction; }
constexpr int lensTile(int colour) { return 8 + colour; }
constexpr int mirrorTile(int orientation, int colour) { return 16 + orientation * 8 + colour; }
constexpr int laserTile(int direction) { return 32 + direction; }
constexpr int tMirrorTile(int stem) { return 36 + stem; }
constexpr int sensorTile(int facing, int colour, bool lit) {
  return (lit ? 72 : 40) + facing * 8 + colour;
}
// The editor palette's lasers show their colour (1..7) as well.
constexpr int paletteLaserTile(int colour, int direction) {
  return 104 + 4 * (colour - 1) + direction;
}

enum class TileKind { Unused, Wall, Floor, Robot, RobotInLight, Lens, Mirror, Laser, TMirror, Sensor };

struct TileInfo {
  TileKind kind = TileKind::Unused;
  int colour = 0;     // 0..7; for an uncoloured laser, -1
  int variant = 0;    // direction, orientation, stem or facing side
  bool lit = false;   // sensors only
};

// What tile t shows; Unused outside 1..131 and for tile 0.
TileInfo tileInfo(int tile);
// "mirror 1 yellow", "sensor lit east red", ... for contact sheets and reports.
std::string describeTile(int tile);

}  // namespace trelux::art
