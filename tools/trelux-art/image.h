// A plain RGB picture in memory, top row first, and the colour arithmetic
// the drawing code shares.
#pragma once

#include <cstdint>
#include <vector>

namespace trelux::art {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// a + (b - a) * t, t clamped to 0..1.
Rgb mix(Rgb a, Rgb b, double t);
// Multiplies each channel; factors above 1 brighten up to 255.
Rgb scale(Rgb c, double factor);
// Relative luminance 0..1 (Rec. 709 weights on the raw channel values).
double luminance(Rgb c);

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgb fill = {});

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb at(int x, int y) const { return pixels_[index(x, y)]; }
  void set(int x, int y, Rgb c) { pixels_[index(x, y)] = c; }
  // Ignores pixels outside the picture, so callers may draw past edges.
  void plot(int x, int y, Rgb c);
  void fillRect(int x, int y, int w, int h, Rgb c);
  // Copies the whole of source with its top-left corner at (x, y).
  void paste(const Image& source, int x, int y);
  Image crop(int x, int y, int w, int h) const;
  // Each pixel becomes a factor x factor block.
  Image scaledUp(int factor) const;

 private:
  std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

}  // namespace trelux::art
