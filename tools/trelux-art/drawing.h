// Pieces every object picture is built from: gradients, drop shadows, the
// beam as the game draws it, and the colour marks.
#pragma once

#include "canvas.h"

namespace trelux::art {

Paint verticalGradient(Rgb top, Rgb bottom, double y0, double y1);
Paint radialGradient(Rgb inner, Rgb outer, double cx, double cy, double radius);
// A soft shadow cast down and to the right, as if lit from the top left.
void dropShadow(Canvas& c, const Shape& shape);
// A shape with a dark outline of the given width around it, then filled.
void outlined(Canvas& c, const Shape& outer, const Shape& inner, const Paint& paint);

// The colour marks: a dark plate with three pips for the red, green and blue
// components, left to right, centred at (cx, cy). A pip is bright when the
// colour has that component and an empty socket when not, so colours can be
// told apart by the pattern alone.
constexpr double kMarksWidth = 13;
constexpr double kMarksHeight = 5;
void drawColourMarks(Canvas& c, int colour, double cx, double cy);

// A beam segment as the game draws it: a 2-unit line from the middle of a
// side to the centre (side 0..3), in the beam pen's colour.
void drawBeamHalf(Canvas& c, int side, int colour);

}  // namespace trelux::art
