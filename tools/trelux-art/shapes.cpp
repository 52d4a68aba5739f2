#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trelux::art {

Shape rect(double x, double y, double w, double h) {
  return {[=](double u, double v) { return u >= x && u < x + w && v >= y && v < y + h; }, x, y,
          x + w, y + h};
}

Shape roundRect(double x, double y, double w, double h, double radius) {
  auto inside = [=](double u, double v) {
    if (u < x || u >= x + w || v < y || v >= y + h) return false;
    const double dx = std::max({x + radius - u, u - (x + w - radius), 0.0});
    const double dy = std::max({y + radius - v, v - (y + h - radius), 0.0});
    return dx * dx + dy * dy <= radius * radius;
  };
  return {inside, x, y, x + w, y + h};
}

Shape ellipse(double cx, double cy, double rx, double ry) {
  auto inside = [=](double u, double v) {
    const double a = (u - cx) / rx;
    const double b = (v - cy) / ry;
    return a * a + b * b <= 1.0;
  };
  return {inside, cx - rx, cy - ry, cx + rx, cy + ry};
}

Shape circle(double cx, double cy, double r) { return ellipse(cx, cy, r, r); }

Shape ring(double cx, double cy, double inner, double outer) {
  return subtract(circle(cx, cy, outer), circle(cx, cy, inner));
}

Shape segment(Point a, Point b, double width) {
  const double r = width / 2;
  auto inside = [=](double u, double v) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((u - a.x) * dx + (v - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - u;
    const double ey = a.y + t * dy - v;
    return ex * ex + ey * ey <= r * r;
  };
  return {inside, std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
          std::max(a.y, b.y) + r};
}

Shape polygon(std::vector<Point> points) {
  Shape s;
  s.left = s.right = points.front().x;
  s.top = s.bottom = points.front().y;
  for (const Point& p : points) {
    s.left = std::min(s.left, p.x);
    s.right = std::max(s.right, p.x);
    s.top = std::min(s.top, p.y);
    s.bottom = std::max(s.bottom, p.y);
  }
  s.inside = [pts = std::move(points)](double u, double v) {
    bool in = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const Point& a = pts[i];
      const Point& b = pts[j];
      if ((a.y > v) != (b.y > v) && u < (b.x - a.x) * (v - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
  };
  return s;
}

Shape unite(Shape a, Shape b) {
  return {[a, b](double u, double v) { return a.inside(u, v) || b.inside(u, v); },
          std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

Shape intersect(Shape a, Shape b) {
  return {[a, b](double u, double v) { return a.inside(u, v) && b.inside(u, v); },
          std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

Shape subtract(Shape a, Shape b) {
  return {[a, b](double u, double v) { return a.inside(u, v) && !b.inside(u, v); }, a.left, a.top,
          a.right, a.bottom};
}

}  // namespace trelux::art

namespace trelux::art {

Shape moved(Shape s, double dx, double dy) {
  auto inside = [in = s.inside, dx, dy](double u, double v) { return in(u - dx, v - dy); };
  return {inside, s.left + dx, s.top + dy, s.right + dx, s.bottom + dy};
}

}  // namespace trelux::art
