// The tileset: its size and numbering as the renderer and the editor's
// palette read it, and what the pictures must show.
#include <cmath>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "image.h"
#include "objects.h"
#include "tile_layout.h"
#include "tileset.h"

namespace trelux::art {
namespace {

const Image& sheet() {
  static const Image tileset = drawTileset();
  return tileset;
}

Image tile(int t) {
  return sheet().crop((t % kTilesPerRow) * kTileSize, (t / kTilesPerRow) * kTileSize, kTileSize,
                      kTileSize);
}

double meanLuminance(const Image& image, int x, int y, int w, int h) {
  double sum = 0;
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) sum += luminance(image.at(i, j));
  }
  return sum / (w * h);
}

TEST(Tileset, IsEightTilesWideAndHoldsTile131) {
  EXPECT_EQ(sheet().width(), 8 * 25);
  EXPECT_EQ(sheet().height(), 17 * 25);
  // Tile 131 lies at x = (131 mod 8) * 25, y = (131 div 8) * 25, inside the sheet.
  EXPECT_LE((131 / 8 + 1) * 25, sheet().height());
}

TEST(Tileset, NumbersFollowTheObjects) {
  EXPECT_EQ(kWallTile, 1);
  EXPECT_EQ(kFloorTile, 2);
  EXPECT_EQ(robotTile(0), 3);
  EXPECT_EQ(robotTile(3), 6);
  EXPECT_EQ(kRobotInLightTile, 7);
  EXPECT_EQ(lensTile(7), 15);
  EXPECT_EQ(mirrorTile(1, 1), 25);  // attribute byte 0x09
  EXPECT_EQ(laserTile(1), 33);
  EXPECT_EQ(tMirrorTile(3), 39);
  EXPECT_EQ(sensorTile(2, 3, false), 59);
  EXPECT_EQ(sensorTile(2, 3, true), 91);
  // The palette's lasers: two colours a row of 8, red north first.
  EXPECT_EQ(paletteLaserTile(1, 0), 104);
  EXPECT_EQ(paletteLaserTile(2, 0), 108);
  EXPECT_EQ(paletteLaserTile(7, 3), 131);
}

// Every number from 1 to 131 names one picture, and reading the number back
// from what it shows gives the number again.
TEST(Tileset, EveryNumberIsOnePictureThatMapsBack) {
  EXPECT_EQ(tileInfo(0).kind, TileKind::Unused);
  EXPECT_EQ(tileInfo(132).kind, TileKind::Unused);
  for (int t = 1; t <= kLastTile; ++t) {
    const TileInfo i = tileInfo(t);
    int back = -1;
    switch (i.kind) {
      case TileKind::Wall: back = kWallTile; break;
      case TileKind::Floor: back = kFloorTile; break;
      case TileKind::Robot: back = robotTile(i.variant); break;
      case TileKind::RobotInLight: back = kRobotInLightTile; break;
      case TileKind::Lens: back = lensTile(i.colour); break;
      case TileKind::Mirror: back = mirrorTile(i.variant, i.colour); break;
      case TileKind::Laser:
        back = i.colour < 0 ? laserTile(i.variant) : paletteLaserTile(i.colour, i.variant);
        break;
      case TileKind::TMirror: back = tMirrorTile(i.variant); break;
      case TileKind::Sensor: back = sensorTile(i.variant, i.colour, i.lit); break;
      case TileKind::Unused: break;
    }
    EXPECT_EQ(back, t) << describeTile(t);
  }
}

TEST(Tileset, NoTwoPicturesAreTheSame) {
  std::vector<Image> tiles;
  for (int t = 1; t <= kLastTile; ++t) tiles.push_back(tile(t));
  for (std::size_t a = 0; a < tiles.size(); ++a) {
    for (std::size_t b = a + 1; b < tiles.size(); ++b) {
      bool same = true;
      for (int y = 0; y < kTileSize && same; ++y) {
        for (int x = 0; x < kTileSize && same; ++x) same = tiles[a].at(x, y) == tiles[b].at(x, y);
      }
      EXPECT_FALSE(same) << describeTile(static_cast<int>(a + 1)) << " looks like "
                         << describeTile(static_cast<int>(b + 1));
    }
  }
}

TEST(Tileset, WallsStandOutFromTheFloor) {
  const double wall = meanLuminance(tile(kWallTile), 0, 0, 25, 25);
  const double floor = meanLuminance(tile(kFloorTile), 0, 0, 25, 25);
  EXPECT_GT(wall - floor, 0.2);
}

TEST(Tileset, LitSensorsAreFarBrighterThanDarkOnes) {
  for (int facing = 0; facing < 4; ++facing) {
    for (int colour = 1; colour < 8; ++colour) {
      const double dark = meanLuminance(tile(sensorTile(facing, colour, false)), 8, 8, 9, 9);
      const double lit = meanLuminance(tile(sensorTile(facing, colour, true)), 8, 8, 9, 9);
      EXPECT_GT(lit - dark, 0.3) << "facing " << facing << " colour " << colour;
    }
  }
}

// The second cue for colour: three pips, red, green and blue from left to
// right, each lit exactly when the colour has that component.
TEST(Tileset, ColourMarksShowTheComponents) {
  int checked = 0;
  for (int t = 1; t <= kLastTile; ++t) {
    const auto centre = colourMarksAt(t);
    if (!centre) continue;
    const TileInfo info = tileInfo(t);
    const Image picture = tile(t);
    for (int component = 0; component < 3; ++component) {
      const int x = static_cast<int>(std::floor(centre->x - 6.5 + 1 + component * 4 + 1.5));
      const int y = static_cast<int>(std::floor(centre->y));
      const bool bright = luminance(picture.at(x, y)) > 0.3;
      EXPECT_EQ(bright, (info.colour & (1 << component)) != 0)
          << describeTile(t) << " component " << component;
    }
    ++checked;
  }
  // Lenses 8, mirrors 16, sensors 64, palette lasers 28.
  EXPECT_EQ(checked, 8 + 16 + 64 + 28);
}

TEST(Tileset, UncolouredThingsCarryNoMarks) {
  for (const int t : {kWallTile, kFloorTile, robotTile(0), kRobotInLightTile, laserTile(0),
                      tMirrorTile(2)}) {
    EXPECT_FALSE(colourMarksAt(t).has_value()) << describeTile(t);
  }
}

// A grid laser's colour shows only in its beam, so all four directions of
// the grid's laser differ from the palette's coloured ones.
TEST(Tileset, GridLasersAreNotColoured) {
  for (int d = 0; d < 4; ++d) {
    EXPECT_EQ(tileInfo(laserTile(d)).colour, -1);
    EXPECT_EQ(describeTile(laserTile(d)).find("red"), std::string::npos);
  }
}

}  // namespace
}  // namespace trelux::art
