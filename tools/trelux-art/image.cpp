#include "image.h"

#include <algorithm>
#include <cmath>

namespace trelux::art {
namespace {

std::uint8_t channel(double v) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

}  // namespace

Rgb mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {channel(a.r + (b.r - a.r) * t), channel(a.g + (b.g - a.g) * t),
          channel(a.b + (b.b - a.b) * t)};
}

Rgb scale(Rgb c, double factor) {
  return {channel(c.r * factor), channel(c.g * factor), channel(c.b * factor)};
}

double luminance(Rgb c) {
  return (0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b) / 255.0;
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Image::plot(int x, int y, Rgb c) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_) set(x, y, c);
}

void Image::fillRect(int x, int y, int w, int h, Rgb c) {
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) plot(i, j, c);
  }
}

void Image::paste(const Image& source, int x, int y) {
  for (int j = 0; j < source.height(); ++j) {
    for (int i = 0; i < source.width(); ++i) plot(x + i, y + j, source.at(i, j));
  }
}

Image Image::crop(int x, int y, int w, int h) const {
  Image out(w, h);
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) out.set(i, j, at(x + i, y + j));
  }
  return out;
}

Image Image::scaledUp(int factor) const {
  Image out(width_ * factor, height_ * factor);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) out.set(x, y, at(x / factor, y / factor));
  }
  return out;
}

}  // namespace trelux::art
