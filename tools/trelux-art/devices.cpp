// The fixed devices (lasers, sensors) and the robot. Each is drawn facing
// north and turned; the colour marks are drawn unturned so they always read
// red, green, blue from left to right.
#include <cmath>

#include "drawing.h"
#include "objects.h"
#include "palette.h"
#include "tile_layout.h"

namespace trelux::art {
namespace {

void drawHousing(Canvas& c) {
  dropShadow(c, roundRect(1.5, 1.5, 22, 22, 3));
  c.fill(roundRect(1.5, 1.5, 22, 22, 3), ink::kOutline);
  c.fill(roundRect(2.4, 2.4, 20.2, 20.2, 2.4),
         verticalGradient(ink::kSteelLight, ink::kSteelDark, 2, 23));
  c.fill(roundRect(4, 4, 17, 17, 1.6), verticalGradient(ink::kSteel, ink::kSteelDark, 4, 21));
}

}  // namespace

void drawLaser(Canvas& c, int direction, int colour) {
  Canvas t = c.turned(direction);
  const Shape body = roundRect(4, 9, 17, 13.5, 2.5);
  dropShadow(t, body);
  t.fill(roundRect(3.2, 8.2, 18.6, 15.1, 3), ink::kOutline);
  t.fill(body, verticalGradient(ink::kSteelLight, ink::kSteelDark, 9, 22.5));
  // Cooling fins at the back.
  for (int i = 0; i < 3; ++i) t.fill(rect(6, 17.6 + i * 1.6, 13, 0.7), ink::kSteelDark);
  // The barrel and its muzzle.
  t.fill(rect(8.2, 1.2, 8.6, 8.6), ink::kOutline);
  t.fill(rect(9, 3, 7, 6.5), verticalGradient(ink::kSteelLight, ink::kSteel, 3, 9.5));
  t.fill(rect(8.6, 1.6, 7.8, 2), ink::kSteelDark);
  if (colour < 0) {
    t.fill(rect(10.5, 0.6, 4, 1.8), Rgb{40, 40, 48});
    t.fill(rect(11.2, 0.8, 1.2, 0.8), ink::kWhite);
    return;
  }
  const Rgb glow = objectColour(colour);
  t.tint(circle(12.5, 1.2, 4.5), glow, 0.45);
  t.fill(rect(10.2, 0.3, 4.6, 2.4), glow);
  t.fill(rect(11.5, 0.6, 2, 1.4), mix(glow, ink::kWhite, 0.6));
  const Point marks = *colourMarksAt(paletteLaserTile(colour, direction));
  drawColourMarks(c, colour, marks.x, marks.y);
}

// The facing side is an open funnel leading to the receptor in the middle;
// a beam drawn to the centre ends in it. A lit receptor is white-hot with a
// halo and rays; a dark one is a dim, flat disc.
void drawSensor(Canvas& c, int facing, int colour, bool lit) {
  drawHousing(c);
  Canvas t = c.turned(facing);
  const Rgb body = objectColour(colour);
  t.fill(polygon({{5.5, 0}, {19.5, 0}, {17, 9}, {8, 9}}), ink::kOutline);
  t.fill(polygon({{7, 0}, {18, 0}, {16, 8.5}, {9, 8.5}}), Rgb{30, 32, 40});
  c.fill(circle(12.5, 12.5, 6.4), ink::kOutline);
  if (lit) {
    c.tint(circle(12.5, 12.5, 11), body, 0.35);
    for (int i = 0; i < 4; ++i) {
      Canvas r = c.turned(i);
      r.fill(segment({4.2, 4.2}, {6.6, 6.6}, 1.5), mix(body, ink::kWhite, 0.5));
    }
    c.fill(circle(12.5, 12.5, 5.4), radialGradient(ink::kWhite, body, 12.5, 12.5, 5.6));
  } else {
    c.fill(circle(12.5, 12.5, 5.4), Rgb{24, 25, 31});
    c.fill(circle(12.5, 12.5, 4.2), mix(body, ink::kBlack, 0.62));
    c.tint(ellipse(11, 11, 1.6, 1), ink::kWhite, 0.25);
  }
  const Point marks = *colourMarksAt(sensorTile(facing, colour, lit));
  drawColourMarks(c, colour, marks.x, marks.y);
}

namespace {

struct RobotLook {
  Rgb body;
  Rgb light;
  Rgb dark;
  Rgb tread;
};

void drawRobotBody(Canvas& t, const RobotLook& look) {
  for (const double x : {2.6, 17.4}) {
    t.fill(roundRect(x, 4.6, 5, 17, 1.6), ink::kOutline);
    t.fill(roundRect(x + 0.6, 5.2, 3.8, 15.8, 1.2), look.tread);
    for (double y = 6.2; y < 20.5; y += 2.4) t.fill(rect(x + 0.8, y, 3.4, 0.8), scale(look.tread, 1.8));
  }
  t.fill(roundRect(5.6, 5.2, 13.8, 16.8, 3.6), ink::kOutline);
  t.fill(roundRect(6.4, 6, 12.2, 15.2, 3), verticalGradient(look.light, look.dark, 6, 21));
  // The pointed bumper marks the front.
  t.fill(polygon({{12.5, 0.6}, {18, 6.4}, {7, 6.4}}), ink::kOutline);
  t.fill(polygon({{12.5, 2.2}, {16.2, 6}, {8.8, 6}}), look.body);
  t.fill(circle(12.5, 11.2, 4.4), ink::kOutline);
  t.fill(circle(12.5, 11.2, 3.7), radialGradient(look.light, look.body, 11.5, 10, 5));
  t.fill(rect(9, 17.6, 7, 1), look.dark);
  t.fill(rect(9, 19.2, 7, 1), look.dark);
}

}  // namespace

void drawRobot(Canvas& c, int direction) {
  Canvas t = c.turned(direction);
  dropShadow(t, roundRect(2.6, 4.6, 19.8, 17.4, 2));
  drawRobotBody(t, {ink::kRobot, ink::kRobotLight, ink::kRobotDark, Rgb{38, 38, 44}});
  // Eyes looking ahead.
  for (const double x : {10.4, 14.6}) {
    t.fill(circle(x, 9.4, 1.6), ink::kWhite);
    t.fill(circle(x, 8.8, 0.9), ink::kOutline);
  }
}

// Zapped: the robot glows white inside a jagged yellow burst, eyes crossed
// out. It has no front, as the game shows it whichever way the robot faced.
void drawRobotInLight(Canvas& c) {
  std::vector<Point> burst;
  for (int i = 0; i < 24; ++i) {
    const double angle = i * 3.14159265358979 / 12;
    const double r = (i % 2 == 0) ? 12.4 : 7.5;
    burst.push_back({12.5 + r * std::sin(angle), 12.5 - r * std::cos(angle)});
  }
  c.tint(polygon(burst), ink::kSpark, 0.85);
  c.tint(circle(12.5, 12.5, 8), ink::kWhite, 0.6);
  drawRobotBody(c, {Rgb{255, 250, 220}, ink::kWhite, Rgb{230, 200, 120}, Rgb{120, 110, 80}});
  for (const double x : {10.4, 14.6}) {
    c.fill(segment({x - 1.2, 8.2}, {x + 1.2, 10.6}, 0.9), ink::kOutline);
    c.fill(segment({x + 1.2, 8.2}, {x - 1.2, 10.6}, 0.9), ink::kOutline);
  }
}

}  // namespace trelux::art
