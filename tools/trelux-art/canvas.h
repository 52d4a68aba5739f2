// Draws shapes into a region of an image with anti-aliasing (4 x 4 samples a
// pixel). The region shows a square of `size` design units; a quarter-turn
// count rotates everything clockwise about the region's centre, which is how
// the four directions of lasers, sensors, T-mirrors and the robot are made
// from one drawing.
#pragma once

#include <functional>

#include "image.h"
#include "shapes.h"

namespace trelux::art {

using Paint = std::function<Rgb(double u, double v)>;

class Canvas {
 public:
  // The square (x, y, pixels, pixels) of target shows design units 0..size.
  Canvas(Image& target, int x, int y, int pixels, double size = 25.0, int quarterTurns = 0);

  void fill(const Shape& shape, Rgb colour);
  // Colour by design position, for shading and gradients.
  void fill(const Shape& shape, const Paint& paint);
  // Lays colour over what is there at the given opacity: shadows, glass, glow.
  void tint(const Shape& shape, Rgb colour, double opacity);
  // The same canvas turned by more quarter turns.
  Canvas turned(int quarterTurns) const;
  double size() const { return size_; }

 private:
  // Calls blend(x, y, paint average, coverage) for every touched pixel.
  template <typename Blend>
  void cover(const Shape& shape, const Paint& paint, Blend blend);
  Point toDesign(double px, double py) const;
  Point toPixel(double u, double v) const;

  Image* target_;
  int x_;
  int y_;
  int pixels_;
  double size_;
  int turns_;
};

}  // namespace trelux::art
