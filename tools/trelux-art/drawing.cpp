#include "drawing.h"

#include <algorithm>
#include <cmath>

#include "palette.h"

namespace trelux::art {

Paint verticalGradient(Rgb top, Rgb bottom, double y0, double y1) {
  return [=](double, double v) { return mix(top, bottom, (v - y0) / (y1 - y0)); };
}

Paint radialGradient(Rgb inner, Rgb outer, double cx, double cy, double radius) {
  return [=](double u, double v) {
    return mix(inner, outer, std::hypot(u - cx, v - cy) / radius);
  };
}

void dropShadow(Canvas& c, const Shape& shape) {
  c.tint(moved(shape, 1.2, 1.4), ink::kBlack, 0.38);
}

void outlined(Canvas& c, const Shape& outer, const Shape& inner, const Paint& paint) {
  c.fill(outer, ink::kOutline);
  c.fill(inner, paint);
}

void drawColourMarks(Canvas& c, int colour, double cx, double cy) {
  const double left = cx - kMarksWidth / 2;
  const double top = cy - kMarksHeight / 2;
  c.fill(roundRect(left, top, kMarksWidth, kMarksHeight, 1.2), Rgb{14, 15, 19});
  for (int component = 0; component < 3; ++component) {
    const double x = left + 1 + component * 4;
    if (colour & (1 << component)) {
      c.fill(rect(x, top + 1, 3, 3), componentColour(component));
    } else {
      c.fill(rect(x + 0.5, top + 1.5, 2, 2), Rgb{52, 54, 62});
    }
  }
}

// The game's pen is 2 pixels wide on the line x = 12 or y = 12, which
// covers pixels 11 and 12; drawing unturned keeps both halves on them.
void drawBeamHalf(Canvas& c, int side, int colour) {
  const Shape halves[] = {rect(11, 0, 2, 13), rect(11, 11, 14, 2), rect(11, 11, 2, 14),
                          rect(0, 11, 13, 2)};
  c.fill(halves[side & 3], beamColour(colour));
}

}  // namespace trelux::art
