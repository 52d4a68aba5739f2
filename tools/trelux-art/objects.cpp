// Floor, wall and the things that can be pushed: lenses, mirrors, T-mirrors.
#include "objects.h"

#include "drawing.h"
#include "palette.h"
#include "tile_layout.h"

namespace trelux::art {

void drawFloor(Canvas& c) {
  using namespace ink;
  c.fill(rect(0, 0, 25, 25), kGrout);
  c.fill(rect(1, 1, 24, 24), verticalGradient(kFloorTop, kFloorBottom, 1, 25));
  c.fill(rect(1, 1, 24, 1), kFloorLight);
  c.fill(rect(1, 1, 1, 24), kFloorLight);
  c.fill(rect(2, 24, 23, 1), kFloorDark);
  c.fill(rect(24, 2, 1, 23), kFloorDark);
}

// A raised block of stone with bricks, lit from the top left, so that walls
// stand out from the dark floor at a glance.
void drawWall(Canvas& c) {
  using namespace ink;
  c.fill(rect(0, 0, 25, 25), kStoneDark);
  c.fill(polygon({{0, 0}, {25, 0}, {22, 3}, {3, 3}, {3, 22}, {0, 25}}), kStoneLight);
  c.fill(rect(3, 3, 19, 19), verticalGradient(kStone, scale(kStone, 0.88), 3, 22));
  // Mortar joints, each with a lit edge below it for depth.
  c.fill(rect(3, 12, 19, 1), kMortar);
  c.fill(rect(3, 13, 19, 0.8), scale(kStone, 1.12));
  c.fill(rect(12, 3, 1, 9), kMortar);
  c.fill(rect(7.5, 13, 1, 9), kMortar);
  c.fill(rect(16.5, 13, 1, 9), kMortar);
  c.fill(rect(0, 24, 25, 1), kOutline);
  c.fill(rect(24, 0, 1, 25), kOutline);
}

void drawLens(Canvas& c, int colour) {
  const Rgb glass = objectColour(colour);
  dropShadow(c, circle(12.5, 12.5, 9.5));
  c.fill(circle(12.5, 12.5, 9.6), ink::kOutline);
  c.fill(circle(12.5, 12.5, 8.7), radialGradient(ink::kSteelLight, ink::kSteelDark, 10, 10, 12));
  c.fill(circle(12.5, 12.5, 7.2), ink::kOutline);
  c.fill(circle(12.5, 12.5, 6.6),
         radialGradient(mix(glass, ink::kWhite, 0.45), scale(glass, 0.72), 10.5, 10.5, 8));
  c.tint(ellipse(10, 9, 3, 1.8), ink::kWhite, 0.6);
  const Point marks = *colourMarksAt(lensTile(colour));
  drawColourMarks(c, colour, marks.x, marks.y);
}

void drawMirror(Canvas& c, int orientation, int colour) {
  Canvas t = c.turned(orientation == 0 ? 0 : 1);
  const Point a{3.5, 3.5};
  const Point b{21.5, 21.5};
  dropShadow(t, segment(a, b, 7));
  t.fill(segment(a, b, 7.4), ink::kOutline);
  t.fill(segment(a, b, 6), ink::kSteelDark);
  t.fill(segment(a, b, 4.2), objectColour(colour));
  // The silvered shine along the glass.
  t.tint(segment({5, 4.2}, {20.8, 20}, 1.2), ink::kWhite, 0.7);
  // The marks sit in the empty bottom corner, clear of the glass.
  const Point marks = *colourMarksAt(mirrorTile(orientation == 0 ? 0 : 1, colour));
  drawColourMarks(c, colour, marks.x, marks.y);
}

// The stem side is open: two rails lead to it and an arrow points out of
// it. The back (opposite the stem) is a dark plate that stops light, and
// the silvered wedge between splits light from the stem into both arms.
void drawTMirror(Canvas& c, int stem) {
  Canvas t = c.turned(stem);
  const Point apex{12.5, 11};
  const Point left{3, 20.5};
  const Point right{22, 20.5};
  const Shape wedge = polygon({apex, right, {22, 23}, {3, 23}, left});
  dropShadow(t, wedge);
  t.fill(polygon({{12.5, 9}, {24, 20.5}, {24, 24}, {1, 24}, {1, 20.5}}), ink::kOutline);
  t.fill(wedge, verticalGradient(ink::kSteel, ink::kSteelDark, 11, 23));
  t.fill(segment(apex, left, 2), Rgb{236, 242, 252});
  t.fill(segment(apex, right, 2), Rgb{236, 242, 252});
  t.fill(rect(2, 20.8, 21, 2.6), Rgb{34, 36, 44});
  // Rails along the stem and the arrow at its open end.
  t.fill(rect(8.6, 3.5, 1.6, 6), ink::kSteelLight);
  t.fill(rect(14.8, 3.5, 1.6, 6), ink::kSteelLight);
  t.fill(polygon({{12.5, 0.6}, {16.6, 4.6}, {8.4, 4.6}}), ink::kOutline);
  t.fill(polygon({{12.5, 1.8}, {15, 4.1}, {10, 4.1}}), Rgb{236, 242, 252});
}

std::optional<Point> colourMarksAt(int tile) {
  const TileInfo info = tileInfo(tile);
  switch (info.kind) {
    case TileKind::Lens: return Point{12.5, 15};
    case TileKind::Mirror: return Point{info.variant == 0 ? 8.0 : 17.0, 19.5};
    // Below the receptor, or above it when the funnel takes the bottom.
    case TileKind::Sensor: return Point{12.5, info.variant == 2 ? 4.6 : 20.4};
    case TileKind::Laser: {
      if (info.colour < 0) return std::nullopt;
      // The middle of the body, behind the barrel.
      Point p{12.5, 14};
      for (int i = 0; i < info.variant; ++i) p = {25 - p.y, p.x};
      return p;
    }
    default: return std::nullopt;
  }
}

void drawTile(Canvas& c, int tile) {
  const TileInfo info = tileInfo(tile);
  if (info.kind == TileKind::Unused) {
    c.fill(rect(0, 0, 25, 25), ink::kBlack);
    return;
  }
  if (info.kind == TileKind::Wall) {
    drawWall(c);
    return;
  }
  drawFloor(c);
  switch (info.kind) {
    case TileKind::Robot: drawRobot(c, info.variant); break;
    case TileKind::RobotInLight: drawRobotInLight(c); break;
    case TileKind::Lens: drawLens(c, info.colour); break;
    case TileKind::Mirror: drawMirror(c, info.variant, info.colour); break;
    case TileKind::Laser: drawLaser(c, info.variant, info.colour); break;
    case TileKind::TMirror: drawTMirror(c, info.variant); break;
    case TileKind::Sensor: drawSensor(c, info.variant, info.colour, info.lit); break;
    default: break;
  }
}

}  // namespace trelux::art
