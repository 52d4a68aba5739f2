#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace trelux::art {
namespace {

constexpr int kSamples = 4;

}  // namespace

Canvas::Canvas(Image& target, int x, int y, int pixels, double size, int quarterTurns)
    : target_(&target), x_(x), y_(y), pixels_(pixels), size_(size),
      turns_(((quarterTurns % 4) + 4) % 4) {}

Canvas Canvas::turned(int quarterTurns) const {
  return Canvas(*target_, x_, y_, pixels_, size_, turns_ + quarterTurns);
}

// Turning clockwise on screen (y down) maps (u, v) about the centre to
// (c - (v - c), u) in pixel order; the inverse undoes it.
Point Canvas::toDesign(double px, double py) const {
  const double k = size_ / pixels_;
  double u = (px - x_) * k;
  double v = (py - y_) * k;
  const double c = size_ / 2;
  for (int i = 0; i < turns_; ++i) {
    const double nu = v;
    const double nv = 2 * c - u;
    u = nu;
    v = nv;
  }
  return {u, v};
}

Point Canvas::toPixel(double u, double v) const {
  const double c = size_ / 2;
  for (int i = 0; i < turns_; ++i) {
    const double nu = 2 * c - v;
    const double nv = u;
    u = nu;
    v = nv;
  }
  const double k = pixels_ / size_;
  return {x_ + u * k, y_ + v * k};
}

void Canvas::fill(const Shape& shape, Rgb colour) {
  fill(shape, [colour](double, double) { return colour; });
}

void Canvas::fill(const Shape& shape, const Paint& paint) {
  cover(shape, paint, [this](int x, int y, Rgb c, double coverage) {
    target_->set(x, y, mix(target_->at(x, y), c, coverage));
  });
}

void Canvas::tint(const Shape& shape, Rgb colour, double opacity) {
  cover(shape, [colour](double, double) { return colour; },
        [this, opacity](int x, int y, Rgb c, double coverage) {
          target_->set(x, y, mix(target_->at(x, y), c, coverage * opacity));
        });
}

template <typename Blend>
void Canvas::cover(const Shape& shape, const Paint& paint, Blend blend) {
  const Point a = toPixel(shape.left, shape.top);
  const Point b = toPixel(shape.right, shape.bottom);
  // Only the canvas's square, and only what lies inside the image.
  const int left = std::max({0, x_, static_cast<int>(std::floor(std::min(a.x, b.x)))});
  const int top = std::max({0, y_, static_cast<int>(std::floor(std::min(a.y, b.y)))});
  const int right = std::min({target_->width(), x_ + pixels_,
                              static_cast<int>(std::ceil(std::max(a.x, b.x)))});
  const int bottom = std::min({target_->height(), y_ + pixels_,
                               static_cast<int>(std::ceil(std::max(a.y, b.y)))});
  for (int py = top; py < bottom; ++py) {
    for (int px = left; px < right; ++px) {
      int hits = 0;
      double r = 0, g = 0, bl = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const Point d = toDesign(px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples);
          if (!shape.inside(d.x, d.y)) continue;
          const Rgb c = paint(d.x, d.y);
          r += c.r;
          g += c.g;
          bl += c.b;
          ++hits;
        }
      }
      if (hits == 0) continue;
      const Rgb average{static_cast<std::uint8_t>(std::lround(r / hits)),
                        static_cast<std::uint8_t>(std::lround(g / hits)),
                        static_cast<std::uint8_t>(std::lround(bl / hits))};
      const double coverage = static_cast<double>(hits) / (kSamples * kSamples);
      blend(px, py, average, coverage);
    }
  }
}

}  // namespace trelux::art
