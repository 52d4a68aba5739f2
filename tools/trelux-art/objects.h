// The pictures of the grid objects and the robot, drawn into a canvas of 25
// design units (a tile at 25 pixels, or larger for the help pictures).
// Directions: 0 north, 1 east, 2 south, 3 west. Colours: codes 0..7.
#pragma once

#include <optional>

#include "canvas.h"

namespace trelux::art {

void drawFloor(Canvas& c);
void drawWall(Canvas& c);
// Over a floor: the objects that stand on floor draw only themselves.
void drawLens(Canvas& c, int colour);
// Orientation 0 runs from the north-west corner to the south-east one,
// orientation 1 from north-east to south-west.
void drawMirror(Canvas& c, int orientation, int colour);
void drawTMirror(Canvas& c, int stem);
// colour -1 is the grid's laser, whose colour shows only in its beam.
void drawLaser(Canvas& c, int direction, int colour);
void drawSensor(Canvas& c, int facing, int colour, bool lit);
void drawRobot(Canvas& c, int direction);
void drawRobotInLight(Canvas& c);

// Where a tile's colour marks are centred (design units), or nullopt for a
// tile without colour: floor, wall, robot, T-mirror, the grid's lasers.
std::optional<Point> colourMarksAt(int tile);

// Tile t of the tileset (floor and all), or a blank for an unused number.
void drawTile(Canvas& c, int tile);

}  // namespace trelux::art
